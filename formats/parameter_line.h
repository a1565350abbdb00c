#pragma once
// The name line (line 3 of every data file) and the parameter lines of the station and
// conditions files: label in columns 1-65, a 9-character value field in columns 66-74 and a
// suffix of up to 4 characters in columns 75-78.

#include <optional>
#include <string>
#include <string_view>

namespace vakrel {

// The name as it stands in a name line: columns 13-80, fewer when the line is shorter.
std::string NameFromNameLine(std::string_view nameLine);

// Rebuilds a name line from the kept one and the name as the user sees it (code page 1251):
// the kept label (columns 1-12, padded with blanks to 12) and the name, cut to 255 bytes,
// through WinToDos unless the kept line starts with 0xCA (a file in Windows text).
std::string RebuildNameLine(std::string_view keptNameLine, std::string_view nameWin);

// The value of a parameter line; 0 for a line that ends before column 66 or a field that does
// not parse.
double ReadValueField(std::string_view line);
// The same field, or nothing when it holds no number (a short line, blanks, or text): what
// ReadValueField reads as 0.
std::optional<double> ParseValueField(std::string_view line);

// The suffix of a parameter line: up to 4 characters from column 75.
std::string SuffixOf(std::string_view line);

// label (kept line cut after column 65) + value "%9.3f" + suffix, without the line end.
std::string WriteParameterLine(std::string_view keptLine, double value, std::string_view suffix);

}  // namespace vakrel
