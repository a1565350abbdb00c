#pragma once
// The ground under the antennas: the profile's ground interpolated on the segment that holds an
// antenna, with no earth bulge and no objects. The picture draws the masts on it and the cut for
// Save and "Подг" starts and ends on it, so both take it from here. Sums and quotients are formed
// in extended precision, as the picture has always drawn them.

#include <array>
#include <vector>

#include "profile_file.h"

namespace vakrel {

struct HopModel;

// Metres of ground rise per km from point a to point b.
inline double GroundSlope(const ProfilePoint& a, const ProfilePoint& b) {
    return static_cast<double>((static_cast<long double>(b.groundHeight) - a.groundHeight) /
                               (static_cast<long double>(b.distance) - a.distance));
}
// The ground at distance x (km) on the segment that starts at a and rises by `slope`.
inline double GroundOnSegment(const ProfilePoint& a, double slope, double x) {
    return static_cast<double>((static_cast<long double>(x) - a.distance) * slope + a.groundHeight);
}
// Whether the segment from a to b carries objects, as the picture draws them: both its ends have
// the same type code and it is not 0; the objects are b's.
inline bool CarriesObjects(const ProfilePoint& a, const ProfilePoint& b) {
    return b.typeCode == a.typeCode && b.typeCode != 0;
}
// Whether antenna `index` (0 for antenna 1, 1 for antenna 2) at `position` stands on the segment
// from a to b. An antenna on a point's distance belongs to the segment that starts there
// (antenna 1) or ends there (antenna 2), so each stands on exactly one.
inline bool StandsOn(const ProfilePoint& a, const ProfilePoint& b, int index, double position) {
    return index == 0 ? a.distance <= position && position < b.distance
                      : a.distance < position && position <= b.distance;
}

// Ground in m under antenna 1 and 2 of the model's placement. Meaningful when the hop can be
// cut (HopRefusal gives nothing); an antenna on no segment gets 0.
std::array<double, 2> GroundUnderAntenna(const HopModel& model);

}  // namespace vakrel
