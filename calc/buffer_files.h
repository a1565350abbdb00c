#pragma once
// The engine's input files, written by "Подг" into the current (working) directory.

#include <string>

namespace vakrel {

struct HopModel;

inline constexpr const char* kBufferProfile = "buf.prf";
inline constexpr const char* kBufferStation = "buf.ttx";

// The station file with the current antenna heights in parameters 5 and 10 and every kept line,
// the name line included, as it is. Copies the heights into the model's station parameters.
std::string PrepareBufferStation(HopModel& model);

// Replaces buf.prf and buf.ttx together: when either cannot be written, both stay as they were,
// so the engine never meets a profile of one placement with the stations of another. Throws
// IoError.
void WriteBufferFiles(HopModel& model);

}  // namespace vakrel
