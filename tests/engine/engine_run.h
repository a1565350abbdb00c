#pragma once
// The built vakrel.exe run in a temporary working folder, and its result file read back line by line.

#include <map>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace vakrel {

extern const std::string kEngine;  // the path of the built vakrel.exe

struct RezLine {
    int code;          // -1 for a line without a code
    std::string text;  // UTF-8
    double value;
};

// Runs the engine in `dir` with `arguments` (shell words); returns its exit status, or -1 when it
// did not exit normally (a crash).
int RunEngine(const test::TempDir& dir, const std::string& arguments = "buf.prf buf.ttx");

// Splits vakrel.rez of `dir` into lines, checking the file's layout rules on the way: every line
// ends in CR LF, holds no other CR, LF or Ctrl-Z and takes at most 76 columns; a coded line 75.
std::vector<RezLine> ReadRez(const test::TempDir& dir);

std::map<int, double> Codes(const std::vector<RezLine>& lines);

// A working set in `dir`: buf.prf cut from the profile file of `folder` as the windowed program
// writes it, buf.ttx and rrv.idn.
void PutSet(const test::TempDir& dir, const std::string& folder);

// `file` with the value field (columns 66-74) of line `line` replaced by `value` (9 bytes).
std::string ReplaceParameter(std::string file, int line, const char* value);
std::string ReplaceParameter(const std::string& file, int line, double value);

// Whether the report holds `part` in any of its lines, wrapped lines joined again (the indents of
// the continuation lines folded to one blank).
bool ReportSays(const std::vector<RezLine>& lines, const std::string& part);

}  // namespace vakrel
