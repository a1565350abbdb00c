#include "parameter_line.h"

#include "codepage.h"
#include "number_format.h"

namespace vakrel {

namespace {

constexpr std::size_t kNameColumn = 12;    // 0-based column 13
constexpr std::size_t kNameMax = 68;       // columns 13-80
constexpr std::size_t kLabelWidth = 65;    // columns 1-65
constexpr std::size_t kFieldWidth = 9;     // columns 66-74
constexpr std::size_t kSuffixColumn = 74;  // 0-based column 75
constexpr std::size_t kSuffixMax = 4;      // columns 75-78
constexpr unsigned char kWindowsMarker = 0xCA;

}  // namespace

std::string NameFromNameLine(std::string_view nameLine) {
    if (nameLine.size() <= kNameColumn) return {};
    return std::string(nameLine.substr(kNameColumn, kNameMax));
}

std::string RebuildNameLine(std::string_view keptNameLine, std::string_view nameWin) {
    std::string line(keptNameLine.substr(0, kNameColumn));
    // A short label is padded so that the name stands at column 13 and reads back whole.
    line.resize(kNameColumn, ' ');
    const bool windowsText =
        !keptNameLine.empty() && static_cast<unsigned char>(keptNameLine.front()) == kWindowsMarker;
    std::string_view name = nameWin.substr(0, kShortStringMax);
    line += windowsText ? std::string(name) : WinToDos(name);
    return line;
}

double ReadValueField(std::string_view line) { return ParseValueField(line).value_or(0.0); }

std::optional<double> ParseValueField(std::string_view line) {
    if (line.size() <= kLabelWidth) return std::nullopt;
    std::string field(line.substr(kLabelWidth, kFieldWidth));
    // Blanks in the last three places stand for zeros: a value written with fewer than three
    // decimals still reads ("   12.5  " is 12.500).
    for (std::size_t i = 6; i < field.size(); ++i)
        if (field[i] == ' ') field[i] = '0';
    return ParseNumber(field);
}

std::string SuffixOf(std::string_view line) {
    if (line.size() <= kSuffixColumn) return {};
    return std::string(line.substr(kSuffixColumn, kSuffixMax));
}

std::string WriteParameterLine(std::string_view keptLine, double value, std::string_view suffix) {
    std::string line(keptLine.substr(0, kLabelWidth));
    line += FormatFixed(value, static_cast<int>(kFieldWidth), 3);
    line += suffix;
    return line;
}

}  // namespace vakrel
