#pragma once
// The engine's result file vakrel.rez: every line is shown in the report, and the coded lines
// carry the result points the plot draws.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "hop_model.h"
#include "result_layout.h"
#include "working_files.h"

namespace vakrel {

struct ResultFile {
    std::vector<std::string> lines;   // code page 1251 as shown, each cut to kRezWidth characters
    std::array<ResultList, 3> lists;  // A, B, C
};

// Reads the result file's bytes (code page 866, Ctrl-Z ends it). Lines without a known code are
// only shown. A list's count is held to 20; entries beyond 20 are ignored. Refuses a file of more
// than kMaxShownLines lines, an IoError with kTooManyLinesMessage naming `path`; nothing else
// fails.
ResultFile ParseResultFile(std::string_view bytes, const std::string& path = kResultFile);

// A file line as the report shows it: at most 255 characters, through the narrow
// already-Windows test with box characters blanked.
std::string ReportLine(std::string_view fileLine);

}  // namespace vakrel
