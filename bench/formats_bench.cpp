// Reading a 1000-point profile from bytes already in memory: the parse alone.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "profile_file.h"

namespace {

std::string ThousandPointProfile() {
    vakrel::ProfileData data;
    for (int i = 0; i < vakrel::kProfileHeaderLines; ++i) data.header[i] = "header line " + std::to_string(i + 1);
    for (int i = 0; i < vakrel::kMaxProfilePoints; ++i) {
        const double x = i * 0.05;
        data.points.push_back({x, 150 + 30 * ((i * 37) % 11) / 11.0, static_cast<std::uint8_t>(i % 9), (i % 3) * 7.5});
    }
    return vakrel::FormatProfileEditorLayout(data);
}

void BM_ParseProfile1000(benchmark::State& state) {
    const std::string bytes = ThousandPointProfile();
    for (auto _ : state) {
        auto profile = vakrel::ParseProfile(bytes, "prf.idn");
        benchmark::DoNotOptimize(profile);
    }
}
BENCHMARK(BM_ParseProfile1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
