#pragma once
// Handing the profile editor's profile over to the hop model.

#include <string>
#include <string_view>

#include "profile_file.h"

namespace vakrel {

struct HopModel;

// The caption the main window shows over a profile: "Профиль местности на интервале: " and
// the name, both code page 1251.
std::string ProfileCaption(std::string_view nameWin);

// Replaces the model's points with the editor's; a point after the first whose distance is
// exactly 0 ends the profile in both (the points from it on are dropped). The model's header
// line 3 becomes the label of the editor's line 3 (columns 1-12, blank-padded) and the name
// through WinToDos; its other header lines stay. `nameWin` is code page 1251.
// A profile of another length puts the antennas at its two ends. The engine's result points
// belong to the old profile and are dropped.
void HandOverProfile(ProfileData& edited, std::string_view nameWin, HopModel& model);

}  // namespace vakrel
