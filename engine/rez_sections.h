#pragma once
// The sections of the readable report that answer the planner's two questions — does the path
// stay clear at minimum k, and what do the outages mean in the worst month and the average year —
// and the lines that name doubtful inputs.

#include <array>

#include "hop_calculation.h"
#include "hop_heights.h"
#include "rez_lines.h"

namespace vakrel {

// "Внимание: …" lines, one for each doubtful input or model range (nothing when there is none).
void WarningsSection(RezText& rez, const HopResult& hop);

// Codes 216-223 with the case of the clearance criterion and the verdict on the heights.
void ClearanceSection(RezText& rez, const HopResult& hop);

// Codes 40-43 and 211-215: fading and rain on their own time bases.
void FadingSection(RezText& rez, const HopResult& hop);

// Codes 224-231 and 44-48: both time bases, the outage times and the verdict on the requirement.
void OutageSection(RezText& rez, const HopResult& hop);

// Codes 232-237: the heights each way of raising the antennas needs, or a line saying why it has none.
void HeightsSection(RezText& rez, const std::array<HeightSolution, 3>& solutions);

// The verdicts in words, as the sections and the lines at the top give them.
std::string ClearanceVerdict(const HopResult& hop);
std::string ReliabilityVerdict(const HopResult& hop);

// The answer first: one line for the clearance, one for the reliability, right after the title
// (each also closes its own section).
void VerdictSection(RezText& rez, const HopResult& hop);

}  // namespace vakrel
