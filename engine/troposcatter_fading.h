#pragma once
// Outage of a troposcatter hop with n-fold diversity. The engine's own model, built on the statistics
// of P.617-6 §4: the hourly median loss varies slowly by Y(p) of eq 6 (a statistic of the average
// year), and the rapid variations, which §4 finds approximately Rayleigh distributed, fade each of
// the n diversity branches independently; the branches are received by selection.

namespace vakrel {

// % of the time the signal is below the sensitivity, for a margin `marginDb` over the long-term
// median, the P.617 scale 0.035 N0 exp(-h0/hb) (dB) and `branches` diversity branches (>= 1).
double TroposcatterOutage(double marginDb, double scatterScaleDb, int branches);

}  // namespace vakrel
