#pragma once
// The profile cut between the two antennas, counted from antenna 1: what the engine's
// buf.prf and the main window's Save describe.

#include "profile_file.h"

namespace vakrel {

struct HopModel;

// Header lines as kept; a start row at distance 0 on the ground under antenna 1; every profile
// point strictly between the antennas, in file order (the first and last points never as
// such); an end row at the hop's length on the ground under antenna 2. The end rows carry no
// objects.
ProfileData CutBetweenAntennas(const HopModel& model);

}  // namespace vakrel
