#pragma once
// Runs vakrel-profile from the build's bin folder, as a user would, and collects what it said.

#include <string>
#include <vector>

#include "temp_dir.h"

namespace vakrel::test {

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not exit by itself
    bool timedOut = false;
    std::string out;
    std::string err;
};

// Its standard output and error pass through files in `dir`. A run still going after
// `timeoutSeconds` (0: no limit) is killed and reported as timed out, so that a hang fails a
// test instead of blocking it.
ProgramRun RunProfileProgram(const TempDir& dir, std::vector<std::string> args, int timeoutSeconds = 0);

}  // namespace vakrel::test
