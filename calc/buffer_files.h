#pragma once
// The engine's input files, written by "Подг" into the working folder, and what Save shares
// with them: the profile cut between the antennas beside the station file with the antenna
// heights, replaced together.

#include <string>

#include "profile_file.h"
#include "read_back.h"

namespace vakrel {

struct HopModel;

// The station file with the current antenna heights (parameters 5 and 10) and every kept line,
// the name line included, as it is.
std::string PrepareBufferStation(const HopModel& model);

// The profile cut between the antennas as a writer lays it out in `layout`.
struct LaidOutCut {
    ProfileData cut;    // the points kept
    int leftOut = 0;    // the points the layout's 0.01 km could not tell from their neighbours
    std::string bytes;  // the file's bytes
};
LaidOutCut LayOutCut(const HopModel& model, ProfileLayout layout);

// Replaces `profileName` (the cut in `layout`) and `stationName` in the model's working folder
// together: when either cannot be written, or would not read back as meant, both stay as they
// were. Returns the number of cut points left out because the layout's 0.01 km could not tell
// them from their neighbours (LeaveOutCollapsedPoints). Throws IoError.
int WriteCutWithStation(const HopModel& model, ProfileLayout layout, const char* profileName, const char* stationName);

// buf.prf and buf.ttx, so that the engine never meets a profile of one placement with the
// stations of another. Returns the points left out of buf.prf. Throws IoError.
int WriteBufferFiles(const HopModel& model);

}  // namespace vakrel
