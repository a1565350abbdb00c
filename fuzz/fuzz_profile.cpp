// The profile file reader. Properties: a profile read holds 1 to 1000 points and header lines
// without line ends; what the editor layout and the compact layout write from it reads again
// without error; and the editor layout reads back to the same header and the same points, up
// to the rounding of its fields (distances to 0.001 km, heights to 0.01 m).
#include <cmath>
#include <string>

#include "fuzz_check.h"
#include "io_error.h"
#include "number_format.h"
#include "profile_file.h"

namespace {

using vakrel::ProfileData;

ProfileData ReadWritten(const std::string& bytes) {
    try {
        return vakrel::ParseProfile(bytes, "written.prf");
    } catch (const vakrel::IoError& e) {
        std::fprintf(stderr, "a written profile does not read: %s\n%s\n", e.what(), bytes.c_str());
        vakrel::fuzz::Fail("a written profile reads again", __FILE__, __LINE__);
    }
}

double AsWritten(double value, int width, int decimals) {
    return vakrel::ParseNumber(vakrel::FormatFixed(value, width, decimals)).value_or(NAN);
}

// True when every number is small enough that the layout's rounding is the only change.
bool Moderate(const ProfileData& data) {
    for (const auto& p : data.points)
        if (!(std::fabs(p.distance) < 1e9 && std::fabs(p.groundHeight) < 1e9 && std::fabs(p.objectHeight) < 1e9))
            return false;
    return true;
}

// True when no point after the first is written with a distance of 0.000, which would end the list.
bool NoDistanceRoundsToZero(const ProfileData& data) {
    for (std::size_t i = 1; i < data.points.size(); ++i)
        if (AsWritten(data.points[i].distance, 13, 3) == 0) return false;
    return true;
}

void CheckEditorLayoutReadsBack(const ProfileData& data) {
    const ProfileData back = ReadWritten(vakrel::FormatProfileEditorLayout(data));
    FUZZ_CHECK(back.header == data.header);
    if (!NoDistanceRoundsToZero(data) || !Moderate(data)) return;
    FUZZ_CHECK(back.points.size() == data.points.size());
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const auto& was = data.points[i];
        const auto& now = back.points[i];
        FUZZ_CHECK(now.distance == AsWritten(was.distance, 13, 3));
        FUZZ_CHECK(now.typeCode == was.typeCode);
        FUZZ_CHECK(now.objectHeight == AsWritten(was.objectHeight, 18, 2));
        FUZZ_CHECK(std::fabs(now.groundHeight - was.groundHeight) <= 0.0101);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileData profile;
    try {
        profile = vakrel::ParseProfile(vakrel::fuzz::AsText(data, size), "fuzz.prf");
    } catch (const vakrel::IoError& e) {
        FUZZ_CHECK(!e.userMessage().empty());
        return 0;
    }
    FUZZ_CHECK(!profile.points.empty() && profile.points.size() <= vakrel::kMaxProfilePoints);
    for (const auto& line : profile.header) {
        FUZZ_CHECK(line.find('\r') == std::string::npos);
        FUZZ_CHECK(line.find('\x1A') == std::string::npos);
    }
    for (const auto& p : profile.points)
        FUZZ_CHECK(std::isfinite(p.distance) && std::isfinite(p.groundHeight) && std::isfinite(p.objectHeight));

    CheckEditorLayoutReadsBack(profile);
    ReadWritten(vakrel::FormatProfileCompactLayout(profile));
    return 0;
}
