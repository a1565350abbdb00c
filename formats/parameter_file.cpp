#include "parameter_file.h"

#include "parameter_line.h"
#include "read_back.h"
#include "text_file.h"

namespace vakrel::detail {

void ParseParameterFile(std::string_view bytes, const ParameterLayout& layout, std::string* lines, double* values) {
    LineReader in(bytes);
    for (int i = 0; i < layout.lineCount; ++i) lines[i] = in.ReadLine();
    for (int k = 0; k < layout.paramCount; ++k) values[k] = ReadValueField(lines[layout.firstParamLine - 1 + k]);
}

std::string FormatParameterFile(const ParameterLayout& layout, const std::string* lines, const double* values) {
    const int first = layout.firstParamLine - 1;
    const std::string suffix = SuffixOf(lines[first]);
    std::string out;
    for (int i = 0; i < layout.lineCount; ++i) {
        const int k = i - first;
        out += (k >= 0 && k < layout.paramCount) ? WriteParameterLine(lines[i], values[k], suffix) : lines[i];
        out += kLineEnd;
    }
    return out;
}

void SaveParameterFile(const std::string& path, const ParameterLayout& layout, std::string* lines, const double* values,
                       std::string_view nameWin) {
    const std::string kept = lines[2];
    lines[2] = RebuildNameLine(kept, nameWin);
    try {
        const std::string bytes = FormatParameterFile(layout, lines, values);
        CheckParametersReadBack(bytes, values, layout.paramCount, layout.firstParamLine, path);
        WriteFileAtomically(path, bytes);
    } catch (...) {
        lines[2] = kept;
        throw;
    }
}

}  // namespace vakrel::detail
