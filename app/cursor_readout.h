#pragma once
// What the verdict strip shows while the pointer is over the picture: the distance under it, the
// ground and the objects there, and the clearance of that point at median k and at k_e.

#include <QString>
#include <map>
#include <string>

namespace vakrel {

struct HopModel;
struct HopVerdict;

// At `xKm` on the profile's axis: "x км | земля h м | <object name> h м | просвет a F1 при k,
// b F1 при k_e". The object is the one the picture draws over the segment there, named by
// `objectNames` (from prf.tip) or by its code. The clearance is the engine's, of
// the ground and objects at that point, between the antennas of a calculated verdict only.
// Empty off the profile.
QString CursorReadout(const HopModel& model, const HopVerdict& verdict, const std::map<int, QString>& objectNames,
                      double xKm);

}  // namespace vakrel
