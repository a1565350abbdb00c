#pragma once
// "Save": the placement on the screen becomes the source data. prf.idn gets the profile cut
// between the antennas in the compact layout, ttx.idn the station file with the antenna heights.

namespace vakrel {

struct HopModel;

// Replaces prf.idn and ttx.idn in the model's working folder together: when either cannot be
// written, both stay as they were. Returns the number of cut points left out of prf.idn
// (LeaveOutCollapsedPoints). Throws IoError. The model keeps its profile and placement.
int SaveCutAsSourceData(const HopModel& model);

}  // namespace vakrel
