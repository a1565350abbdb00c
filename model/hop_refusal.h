#pragma once
// Whether the model holds a hop at all: the reasons of the data themselves for which the
// picture cannot draw it and the cut for Save and "Подг" cannot be made.

#include <QString>
#include <optional>

namespace vakrel {

struct HopModel;

// Needs at least two points with growing distances and a last distance above 0, finite
// heights, a usable effective earth radius, a working frequency above 0, the antennas within
// the profile (first distance <= position 1 < position 2 <= last distance) and finite antenna
// heights. The reason the user is shown, or nothing when the hop is whole.
std::optional<QString> HopRefusal(const HopModel& model);

}  // namespace vakrel
