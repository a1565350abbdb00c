#pragma once
// The lowest antenna heights that meet the clearance criterion of P.530-19 §2.2.2.1 at both k (code
// 221) and, where the station file asks for a reliability (parameter 12 above 0), that requirement
// on the average year (code 48), in three ways: both antennas raised by the same amount, only
// antenna 1 raised, only antenna 2 raised.

#include <array>

#include "hop_calculation.h"
#include "terrain_profile.h"

namespace vakrel {

// The range of the main window's spin controls for the antenna heights above the ground, in the
// tenths of a metre they step by: antenna 1 from 0.1 to 100.0 m, antenna 2 from 0.1 to 1000.0 m.
inline constexpr int kLowestHeightTenths = 1;
inline constexpr int kHighestTxHeightTenths = 1000;
inline constexpr int kHighestRxHeightTenths = 10000;

enum class RaiseWay { Both, Antenna1, Antenna2 };

// Why a way has no solution within the range.
enum class HeightShortfall {
    None,         // solved
    AboveRange,   // an antenna of the station file stands above the range already
    Clearance,    // the clearance criterion fails at the top of the range
    Reliability,  // the clearance holds there, the required reliability does not
};

struct HeightSolution {
    RaiseWay way = RaiseWay::Both;
    HeightShortfall shortfall = HeightShortfall::None;
    // Solved: the heights found; Clearance or Reliability: the top of the way's range, where it
    // fails; AboveRange: nothing to read.
    double txHeightM = 0;
    double rxHeightM = 0;
};

// The three ways for the hop `hop` of `profile`, in the order of RaiseWay. A way starts at the
// station file's heights (held to the 0.1 m grid from above and to the range's bottom) and raises
// its antennas in steps of 0.1 m by bisection between a failing and a meeting height, so the height
// found meets the criteria and 0.1 m less on the raised antennas does not. The clearance of a trial
// comes from the geometry alone; only trials that keep it and need the reliability compute the hop.
std::array<HeightSolution, 3> FindHeights(const TerrainProfile& profile, const HopResult& hop);

}  // namespace vakrel
