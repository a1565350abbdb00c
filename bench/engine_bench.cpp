// The whole hop calculation on a 1000-row profile, and the writing of its report (target: a
// median well under 2 ms).
#include <benchmark/benchmark.h>

#include <cmath>

#include "hop_calculation.h"
#include "rez_report.h"

namespace {

vakrel::HopInputs ThousandRowHop() {
    vakrel::HopInputs in;
    for (int i = 0; i < 1000; ++i) {
        const double d = 0.05 * i;  // 49.95 km
        in.profile.distanceKm.push_back(d);
        in.profile.heightM.push_back(150 + 30 * std::sin(d / 3) + 10 * std::sin(d * 1.7));
    }
    in.station = {0, 43, 1.1, 2.5, 40, -110, 43, 1.1, 2.5, 40, 8000, 99.99, 99.995, 1, 2};
    in.conditions = {2, 1, 7, 10, 2, 3, -300, 320, 0.045, 2, 50, 15, 5, 2, 4, 1.333};
    in.refraction = {7, 10, 0.045, 0};
    in.radiusKm = vakrel::DeriveEarthRadius(in.refraction);
    return in;
}

void BM_CalculateHop1000Rows(benchmark::State& state) {
    const vakrel::HopInputs in = ThousandRowHop();
    for (auto _ : state) {
        const vakrel::HopResult hop = vakrel::CalculateHop(in);
        benchmark::DoNotOptimize(vakrel::BuildReport(in, hop).bytes());
    }
}
BENCHMARK(BM_CalculateHop1000Rows)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
