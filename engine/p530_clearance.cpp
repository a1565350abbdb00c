// ITU-R P.530-19 §2.2.2.1 steps 1-3, eq (4).
#include "p530_clearance.h"

namespace vakrel::p530 {

double MinimumKFactor(double pathKm) { return 157 / (144 + 2670 / pathKm); }

ClearanceCase ChooseClearanceCase(bool extendedObstruction) {
    return extendedObstruction ? ClearanceCase::ExtendedObstruction : ClearanceCase::SingleIsolatedObstacle;
}

double ClearanceAtMinimumK(ClearanceCase c) { return c == ClearanceCase::SingleIsolatedObstacle ? 0.0 : 0.3; }

}  // namespace vakrel::p530
