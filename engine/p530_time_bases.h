#pragma once
// The time bases of outage statistics: ITU-R P.530-17 §2.3.4 turns the multipath fading of the
// average worst month into the average year; ITU-R P.841-6 turns an average-year percentage (rain)
// into the average worst month.

namespace vakrel::p530 {

// Logarithmic geoclimatic conversion factor ΔG of §2.3.4 step 3, dB: latitude ξ in degrees (the
// "+" form for |ξ| <= 45°, the "-" form above), path length in km, path inclination |εp| in mrad.
// Held within 0-10.8 dB: the Recommendation bounds it at 10.8 dB (the year never below a twelfth
// of the worst month), and a year above its own worst month cannot be.
double WorstMonthToYearDb(double latitudeDeg, double pathKm, double inclinationMrad);

}  // namespace vakrel::p530

namespace vakrel::p841 {

// The average-worst-month percentage pw for an average-year percentage p (both %), with the
// global parameters Q1 = 2.85, β = 0.13 of P.841-6 (pw = 2.85 p^0.87 from about 1.6e-5 % to 3 %,
// Q = 12 below, Q constant from 3 % to 30 % and falling to 1 at 100 %). At most 100.
double WorstMonthPercent(double averageYearPct);

}  // namespace vakrel::p841
