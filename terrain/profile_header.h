#pragma once
// The 15 kept header lines of a profile built from elevation rasters: where it runs (both
// ends), how long it is, and which rasters it came from, so that the file remembers its origin.

#include <array>
#include <string>
#include <vector>

#include "geodesic_path.h"
#include "profile_file.h"

namespace vakrel {

struct ProfileHeaderFacts {
    GeoPoint from;
    GeoPoint to;
    double lengthKm = 0;
    int pointCount = 0;
    std::vector<std::string> demPaths;
    std::string landCoverPath;  // empty: none
};

// Code page 866 lines; line 3 is the name line with its 12-column label and no name yet.
std::array<std::string, kProfileHeaderLines> ProfileHeader(const ProfileHeaderFacts& facts);

}  // namespace vakrel
