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
// The rows "distance height-column" of the engine's profile buffer after its 15 header lines,
// up to a row of distance 0 after the first or the end of the file; each point's ground height
// is its height column, with no objects. Throws IoError for a token that is not a number.
std::vector<ProfilePoint> ParseProfileBufferRows(std::string_view bytes, const std::string& path);

// The editor layout. Rebuilds header line 3 from `nameWin` (code page 1251) in `data` and
// writes the file atomically, once its bytes read back as the points before a later one at
// distance 0 (CheckProfileReadsBack).
void WriteProfileFile(const std::string& path, ProfileData& data, std::string_view nameWin);
std::string FormatProfileEditorLayout(const ProfileData& data);

// The compact layout of a profile cut between the antennas (distances from antenna 1), written
// by the main window's save: header as kept, first and last point with type 0 and object 0.
std::string FormatProfileCompactLayout(const ProfileData& cut);

// The cut layouts keep distances to 0.01 km: an interior point whose written distance would not
// lie strictly between those of the rows kept before it and of the end row (one less than 5 m
// from antenna 1 would read as the terminator, two 3 m apart as the same distance) is left out
// of `cut`. The number of points left out; a cut where nothing collapses stays as it was.
int LeaveOutCollapsedPoints(ProfileData& cut);

// The engine's profile buffer: header as kept, then "distance height-column" a row (12 and 16
// characters, 2 decimals each), then the compact terminator.
std::string FormatProfileBufferLayout(const ProfileData& cut);

// The height column of point `index` in a profile of `count` points.
double HeightColumn(const ProfilePoint& point, std::size_t index, std::size_t count);

}  // namespace vakrel
