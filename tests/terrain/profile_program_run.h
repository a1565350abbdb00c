#pragma once
// Runs vakrel-profile from the build's bin folder, as a user would, and collects what it said.

#include <string>
#include <vector>

#include "temp_dir.h"

namespace vakrel::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Its standard output and error pass through files in `dir`.
ProgramRun RunProfileProgram(const TempDir& dir, std::vector<std::string> args);

}  // namespace vakrel::test
