#pragma once
// The three ways of raising the antennas (vakrel.exe --heights, codes 232-237) as the planner
// may choose them: each solution's heights as positions of the main window's spin controls, the
// hop computed at those heights, or why the way cannot be chosen.

#include <QString>
#include <array>
#include <optional>

#include "hop_calculation.h"
#include "hop_heights.h"

namespace vakrel {

struct HopVerdict;

struct HeightOffer {
    HeightSolution solution;
    // Solved and within the spin controls' range: positions of UpDown1 (1..1000) and UpDown2
    // (1..10000) in 0.1 m, and the hop at those heights (its codes 32, 44, 47 and 48).
    bool choosable = false;
    int position1 = 0;
    int position2 = 0;
    std::optional<HopResult> at;
    // The solution equals the heights on the screen (it is then found at its starting point).
    bool current = false;
    QString why;  // not choosable: why, in the planner's words
};

// The three ways for a calculated verdict, in the order of RaiseWay.
std::array<HeightOffer, 3> OfferHeights(const HopVerdict& verdict);

// Whether the placement of the verdict meets the clearance criterion and, where the station file
// asks for one, the required reliability: nothing to raise.
bool MeetsEverything(const HopResult& hop);

// The way's name as the dialog shows it: "Обе антенны на одну величину", "Только антенна 1",
// "Только антенна 2".
QString WayCaption(RaiseWay way);

}  // namespace vakrel
