#pragma once
// Outage of a troposcatter hop with n-fold diversity. The engine's own model, built on P.617-5:
// the hourly median loss varies slowly by Y(p) of P.617-5 eq 7, and within the hour the signal
// of each of the n diversity branches has independent Rayleigh fading, received by selection.

namespace vakrel {

// % of the time the signal is below the sensitivity, for a margin `marginDb` over the long-term
// median, the P.617 scale 0.035 N0 exp(-h0/hb) (dB) and `branches` diversity branches (>= 1).
double TroposcatterOutage(double marginDb, double scatterScaleDb, int branches);

}  // namespace vakrel
