#pragma once
// What the station and conditions files share: a fixed number of kept lines of which a run
// are parameter lines, each value read by ReadValueField and written by WriteParameterLine
// with the suffix of the first parameter line. Every other byte survives a read and a write.

#include <string>
#include <string_view>
#include <vector>

namespace vakrel::detail {

struct ParameterLayout {
    int lineCount;       // lines kept; later lines are ignored
    int firstParamLine;  // 1-based line of the first parameter
    int paramCount;
};

// Reads `layout.lineCount` lines (missing ones empty) and the values of the parameter lines.
void ParseParameterFile(std::string_view bytes, const ParameterLayout& layout, std::string* lines, double* values);

// The file's bytes: kept lines as they are, parameter lines rebuilt from `values`.
std::string FormatParameterFile(const ParameterLayout& layout, const std::string* lines, const double* values);

// Writes the file atomically with line 3 rebuilt from `nameWin`; on success kept line 3 in
// memory becomes the line written.
void SaveParameterFile(const std::string& path, const ParameterLayout& layout, std::string* lines, const double* values,
                       std::string_view nameWin);

}  // namespace vakrel::detail
