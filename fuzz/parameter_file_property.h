#pragma once
// The property shared by the station and conditions targets. A parameter file read from any
// bytes has finite values; written back, it reads into the same kept lines and, where the
// label fills its 65 columns and the value its 9-column field, into the values' 3-decimal
// texts, so that writing it a second time gives the same bytes. The name line rebuilt from a
// name of at most 68 characters gives that name back.
#include <cmath>
#include <string>

#include "codepage.h"
#include "fuzz_check.h"
#include "number_format.h"
#include "parameter_line.h"

namespace vakrel::fuzz {

// `File` has `lines` and `params`; Parse reads bytes, Format writes the file's bytes.
template <class File, class Parse, class Format>
void CheckParameterFile(std::string_view bytes, std::string_view nameWin, int firstParamLine, Parse parse,
                        Format format) {
    const File file = parse(bytes);
    const int first = firstParamLine - 1;
    const int count = static_cast<int>(file.params.size());
    bool canonical = true;  // every label full and every value within its field
    for (int k = 0; k < count; ++k) {
        FUZZ_CHECK(std::isfinite(file.params[k]));
        canonical = canonical && file.lines[first + k].size() >= 65 && FormatFixed(file.params[k], 9, 3).size() == 9;
    }

    const std::string written = format(file);
    const File back = parse(written);
    for (int i = 0; i < static_cast<int>(file.lines.size()); ++i) {
        const int k = i - first;
        if (k >= 0 && k < count) continue;
        FUZZ_CHECK(back.lines[i] == file.lines[i]);
    }
    if (canonical) {
        for (int k = 0; k < count; ++k)
            FUZZ_CHECK(back.params[k] == ParseNumber(FormatFixed(file.params[k], 9, 3)).value());
        FUZZ_CHECK(format(back) == written);
    }

    const std::string& keptNameLine = file.lines[2];
    const bool plainName = nameWin.size() <= 68 && nameWin.find_first_of("\r\x1A") == std::string_view::npos;
    if (plainName) {
        File renamed = file;
        renamed.lines[2] = RebuildNameLine(keptNameLine, nameWin);
        const bool windowsText = !keptNameLine.empty() && static_cast<unsigned char>(keptNameLine[0]) == 0xCA;
        const std::string expected = windowsText ? std::string(nameWin) : WinToDos(nameWin);
        FUZZ_CHECK(NameFromNameLine(parse(format(renamed)).lines[2]) == expected);
    }
}

}  // namespace vakrel::fuzz
