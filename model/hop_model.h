#pragma once
// The one in-memory description of the hop. Owned by the application for the whole run;
// every window holds a reference to it and reads and writes its fields directly.

#include <array>
#include <string>

#include "conditions_file.h"
#include "earth_radius.h"
#include "profile_file.h"
#include "result_layout.h"
#include "station_file.h"

namespace vakrel {

// Where the antennas stand; their heights are station parameters 5 and 10.
struct AntennaPlacement {
    double position1 = 0;  // km from the start of the profile
    double position2 = 0;  // km; 0 <= position1 < position2 <= L
};

// One list of points reported by the engine: distance in km on the profile's axis, offset in
// m from the line of sight between the antenna tops.
struct ResultList {
    int count = 0;
    std::array<double, kResultListCapacity> distance{};
    std::array<double, kResultListCapacity> offset{};
};
enum ResultListId { kListA = 0, kListB = 1, kListC = 2 };

// The hop as the files and the planner's moves give it, and nothing derived from it: the ground
// under the antennas, the picture and the files written are computed from it, never kept in it.
struct HopModel {
    ProfileData profile;  // header lines and 0..1000 points (0 before the first load)
    StationFile station;  // 30 kept lines and the 15 StationParams
    AntennaPlacement antennas;
    ConditionsFile conditions;        // the propagation conditions as rrv.idn holds them
    Refraction refraction;            // month, region, gradient, coefficient
    double effectiveEarthRadius = 0;  // km
    std::array<ResultList, 3> resultPoints;

    bool launchPending = false;  // the calculate button starts the engine next
    bool resultsLoaded = false;  // resultPoints hold the last result file read

    std::string workingDirectory;  // where the working files live

    int pointCount() const { return static_cast<int>(profile.points.size()); }
    double stationParam(int number) const { return station.params[number - 1]; }
    double& stationParam(int number) { return station.params[number - 1]; }
    // m above the ground
    double antennaHeight1() const { return stationParam(kAntenna1HeightParam); }
    double antennaHeight2() const { return stationParam(kAntenna2HeightParam); }
    // MHz
    double workingFrequency() const { return stationParam(kFrequencyParam); }
};

}  // namespace vakrel
