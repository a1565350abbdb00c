#pragma once
// Reading the engine's three inputs: the profile buffer (buf.prf), the station buffer (buf.ttx)
// and the propagation conditions (rrv.idn), and checking that they describe a computable hop.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "conditions_file.h"
#include "earth_radius.h"
#include "station_file.h"
#include "terrain_profile.h"

namespace vakrel {

// A refused input; the message is UTF-8 and says what is wrong and where.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The profile between the antennas: distances in km from antenna 1, heights in m above sea
// level (ground under the antennas at the ends, ground plus objects between).
struct HopProfile {
    std::vector<double> distanceKm;
    std::vector<double> heightM;

    // The rows as the models read them.
    TerrainProfile terrain() const { return {distanceKm, heightM}; }
};

struct HopInputs {
    HopProfile profile;
    std::array<double, 15> station{};     // the 15 station characteristics, in file order
    std::array<double, 16> conditions{};  // the 16 propagation conditions, in file order
    Refraction refraction;                // month, region, gradient, coefficient as used
    double radiusKm = 0;                  // effective earth radius
    std::vector<std::string> warnings;    // "Внимание: …" for value fields that do not parse
};

// Rows "distance height" after 15 header lines, up to a row of distance 0 after the first or
// the end of the file. Throws IoError for a token that is not a number.
HopProfile ParseProfileBuffer(std::string_view bytes, const std::string& fileName);

// Refuses a profile of fewer than two rows or with distances that do not grow; `fileName` is the
// file's name as the message shows it.
void CheckProfile(const HopProfile& profile, const std::string& fileName);

// Refuses a working frequency (station parameter 11) that is not above 0.
void CheckFrequency(const StationFile& station, const std::string& fileName);

// The names of the three inputs as the messages show them.
struct InputNames {
    std::string profile;
    std::string station;
    std::string conditions;
};

// The inputs of a profile, station and conditions already read, checked as the files would be:
// the profile's rows, a working frequency above 0 and a usable earth radius. The main window
// computes its hop through this with what "Подг" would write. Throws InputError.
HopInputs AssembleHopInputs(HopProfile profile, const StationFile& station, const ConditionsFile& conditions,
                            const InputNames& names);

// Reads and checks all three files. Throws InputError with the reason and the place; the messages
// and warnings show the paths through QuotedInput.
HopInputs ReadHopInputs(const std::string& profilePath, const std::string& stationPath,
                        const std::string& conditionsPath);

}  // namespace vakrel
