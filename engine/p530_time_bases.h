#pragma once
// The time bases of outage statistics through ITU-R P.841-6 with the global Q1 = 2.85, β = 0.13:
// P.530-19 §2.3.4 turns the multipath fading of the average worst month into the average year
// (p = pw / Q), and P.530-19 §2.4.1 step 6 and P.617-6 §4.2 turn an average-year percentage (rain,
// troposcatter) into the average worst month (pw = Q p).

namespace vakrel::p841 {

// The average-worst-month percentage pw for an average-year percentage p (both %), P.841-6 eqs 1-2:
// pw = 2.85 p^0.87 from about 1.6e-5 % to 3 %, Q = 12 below, Q constant from 3 % to 30 % and
// falling to 1 at 100 %. At most 100.
double WorstMonthPercent(double averageYearPct);

// The average-year percentage p whose worst month is `worstMonthPct` (%): the inverse of
// WorstMonthPercent, each of its power laws solved for p. 0 for 0, 100 from 100 up.
double AverageYearPercent(double worstMonthPct);

}  // namespace vakrel::p841
