#pragma once
// A terrain profile between two WGS84 points from elevation rasters: the geodesic between them,
// about one cell of the finest raster a point (at most 1000 points), heights interpolated
// bilinearly, and, from an optional land cover raster, the objects on the ground.

#include <functional>
#include <string>
#include <vector>

#include "geodesic_path.h"
#include "profile_file.h"

namespace vakrel {

class RasterMosaic;

// The longest profile the main window's antenna positions can span (0.01 km steps, 16 bits).
inline constexpr double kMaxProfileLengthKm = 327.67;
// Ground heights outside these, m, are no terrain (the Dead Sea shore lies at -430 m, Everest
// at 8849 m) but fill values or broken rasters (3.4e38, 1e29), and are refused.
inline constexpr double kLowestGround = -500;
inline constexpr double kHighestGround = 9000;

struct ProfileRequest {
    GeoPoint from;
    GeoPoint to;
    std::vector<std::string> demPaths;  // files or folders
    std::string landCoverPath;          // empty: no objects
    std::string name;                   // UTF-8; empty: both coordinates
    int maxPoints = kMaxProfilePoints;  // 2 ... 1000
};

struct BuiltProfile {
    ProfileData data;     // header and points
    std::string nameWin;  // the name, code page 1251, for WriteProfileFile
};

// Called after each point with the points done and the points in all.
using ProfileProgress = std::function<void(int done, int total)>;

// Refuses what no raster can mend: coordinates out of range, identical ends, a path longer
// than kMaxProfileLengthKm, a point limit outside 2 ... 1000. Throws TerrainRefusal.
void CheckProfileRequest(const ProfileRequest& request);

// Builds the profile. Throws TerrainRefusal (see CheckProfileRequest and RasterMosaic), and for
// a point of the path outside every raster, on a nodata cell or of a height that is no terrain.
BuiltProfile BuildProfile(const ProfileRequest& request, const ProfileProgress& progress = {});

// The ground height at a point, bilinear between the four cells around it. A nodata cell among
// them drops out of the weights; a point whose own cell is nodata, or outside every raster, is
// refused, as is a NaN or an infinity among the cells (other than the raster's nodata value)
// and a height outside kLowestGround ... kHighestGround.
double GroundHeightAt(RasterMosaic& dem, GeoPoint point);

}  // namespace vakrel
