#pragma once
// The engine's calculation of the hop as the model holds it, run in this process: on the bytes
// "Подг" would write to buf.prf and buf.ttx for the current placement, and on the propagation
// conditions of rrv.idn as the model holds them. The same inputs give vakrel.exe's report.

#include <QString>
#include <array>
#include <optional>

#include "hop_calculation.h"
#include "hop_heights.h"
#include "hop_inputs.h"
#include "profile_plot.h"
#include "rez_lines.h"

namespace vakrel {

struct HopModel;

struct HopVerdict {
    QString refusal;  // why there is no calculation, as the picture or the engine says it; empty when calculated
    HopInputs inputs;
    HopResult result;
    RezText report;  // what vakrel.exe writes to vakrel.rez for these inputs, with its coded values

    bool calculated() const { return refusal.isEmpty(); }
};

// Never throws: a hop the picture refuses, or inputs the engine refuses, give the reason.
HopVerdict CalculateHopVerdict(const HopModel& model);

// The hop at minimum k as the picture shows it: the earth of k_e and the critical points at
// median k and at k_e with their clearances, on the picture's axis (antenna 1 at `position1` km).
// Nothing for a verdict not calculated.
std::optional<MinimumKOverlay> MinimumKOverlayOf(const HopVerdict& verdict, double position1);

// The lowest antenna heights of the three ways for a calculated verdict (vakrel.exe --heights).
std::array<HeightSolution, 3> FindVerdictHeights(const HopVerdict& verdict);

// The hop of a calculated verdict computed again with the antennas `txM` and `rxM` (m above the
// ground), as vakrel.exe would report it for buffer files with those heights.
HopResult VerdictAtHeights(const HopVerdict& verdict, double txM, double rxM);

}  // namespace vakrel
