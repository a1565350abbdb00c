#pragma once
// The main window's verdict strip (Panel1): the answer of the engine's calculation for the
// placement on the screen, in one line, with the numbers as the report writes them.

#include <QString>
#include <string>

namespace vakrel {

struct HopResult;
struct HopVerdict;

// Clearance in F1 at the critical point at median k and at k_e, the P.530 clearance criterion
// or the rise that meets it, the fade margin, and the average-year outage against the station
// file's requirement. A refused calculation gives its reason.
QString VerdictStripText(const HopVerdict& verdict);

// "надежность X % при требуемой Y %: выполнено" (or "НЕ выполнено"), the hop's reliability with
// the preceding hops against the station file's requirement, in the report's formats.
std::string ReliabilityAgainstRequirement(const HopResult& hop);

}  // namespace vakrel
