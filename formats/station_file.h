#pragma once
// The station characteristics file: 30 lines, lines 14-28 the 15 parameter lines.

#include <array>
#include <string>

namespace vakrel {

inline constexpr int kStationLines = 30;
inline constexpr int kStationParams = 15;
inline constexpr int kStationFirstParamLine = 14;  // 1-based

// Station characteristics by number (1-based, as the file orders them).
inline constexpr int kAntenna1HeightParam = 5;  // m above the ground
inline constexpr int kAntenna2HeightParam = 10;
inline constexpr int kFrequencyParam = 11;  // MHz

struct StationFile {
    std::array<std::string, kStationLines> lines;  // kept lines, code page 866
    std::array<double, kStationParams> params{};   // values as read; params[0] is number 1
};

// Reads a station file; missing lines are empty and read as 0. Throws IoError; all or nothing.
StationFile LoadStationFile(const std::string& path);
StationFile ParseStationFile(std::string_view bytes);

// Rebuilds kept line 3 from `nameWin` (code page 1251) and writes the file atomically.
void SaveStationFile(const std::string& path, StationFile& file, std::string_view nameWin);
// The file's bytes with the kept lines as they are (line 3 not rebuilt), as buf.ttx is written.
std::string FormatStationFile(const StationFile& file);

}  // namespace vakrel
