#pragma once
// The one in-memory description of the hop. Owned by the application for the whole run;
// every window holds a reference to it and reads and writes its fields directly.

#include <array>
#include <string>

#include "earth_radius.h"
#include "profile_file.h"
#include "station_file.h"

namespace vakrel {

// Station characteristics by number (1-based, as the file orders them).
inline constexpr int kAntenna1HeightParam = 5;
inline constexpr int kAntenna2HeightParam = 10;
inline constexpr int kFrequencyParam = 11;

struct AntennaPlacement {
    double height1 = 0;    // m above the ground; mirrors station parameter 5
    double height2 = 0;    // m above the ground; mirrors station parameter 10
    double position1 = 0;  // km from the start of the profile
    double position2 = 0;  // km; 0 <= position1 < position2 <= L
    std::array<double, 2> groundUnderAntenna{};  // m, set by every drawing of the profile
};

// One list of points reported by the engine: distance in km on the profile's axis, offset in
// m from the line of sight between the antenna tops.
inline constexpr int kResultListCapacity = 20;
struct ResultList {
    int count = 0;
    std::array<double, kResultListCapacity> distance{};
    std::array<double, kResultListCapacity> offset{};
};
enum ResultListId { kListA = 0, kListB = 1, kListC = 2 };

struct HopModel {
    ProfileData profile;         // header lines and 0..1000 points (0 before the first load)
    StationFile station;         // 30 kept lines and the 15 StationParams
    AntennaPlacement antennas;
    double workingFrequency = 0;  // MHz, a copy of station parameter 11
    Refraction refraction;        // month, region, gradient, coefficient
    double effectiveEarthRadius = 0;  // km
    std::array<ResultList, 3> resultPoints;

    bool scaleShown = false;     // the plot draws its scale
    bool curvedLevels = false;   // with the scale, level lines follow the earth's curvature
    bool launchPending = false;  // the calculate button starts the engine next
    bool resultsLoaded = false;  // resultPoints hold the last result file read

    std::string workingDirectory;  // where the working files live

    int pointCount() const { return static_cast<int>(profile.points.size()); }
    double stationParam(int number) const { return station.params[number - 1]; }
    double& stationParam(int number) { return station.params[number - 1]; }
};

}  // namespace vakrel
