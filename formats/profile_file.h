#pragma once
// The terrain profile file: 15 kept header lines (line 3 the name line), then one point a line
// "distance height-column type-code object-height", closed by a line whose distance is 0.
// The height column holds the ground height at the first and last point and the top of the
// objects (ground + object height) at every point in between.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vakrel {

struct ProfilePoint {
    double distance = 0;      // km from the start of the profile
    double groundHeight = 0;  // m
    std::uint8_t typeCode = 0;
    double objectHeight = 0;  // m above the ground
};

inline constexpr int kProfileHeaderLines = 15;
inline constexpr int kMaxProfilePoints = 1000;

struct ProfileData {
    std::array<std::string, kProfileHeaderLines> header;  // code page 866, byte for byte
    std::vector<ProfilePoint> points;                     // 1..1000 after a read
};

// Reads a whole profile file. All or nothing: throws IoError and returns nothing on failure,
// including "Профиль содержит более 1000 точек" for a longer file.
ProfileData ReadProfileFile(const std::string& path);
// The same rules over bytes already read (the file's path only names it in errors).
ProfileData ParseProfile(std::string_view bytes, const std::string& path);

// The editor layout. Rebuilds header line 3 from `nameWin` (code page 1251) in `data` and
// writes the file atomically.
void WriteProfileFile(const std::string& path, ProfileData& data, std::string_view nameWin);
std::string FormatProfileEditorLayout(const ProfileData& data);

// The compact layout of a profile cut between the antennas (distances from antenna 1), written
// by the main window's save: header as kept, first and last point with type 0 and object 0.
std::string FormatProfileCompactLayout(const ProfileData& cut);

// The engine's profile buffer: header as kept, then "distance height-column" a row (12 and 16
// characters, 2 decimals each), then the compact terminator.
std::string FormatProfileBufferLayout(const ProfileData& cut);

// The height column of point `index` in a profile of `count` points.
double HeightColumn(const ProfilePoint& point, std::size_t index, std::size_t count);

}  // namespace vakrel
