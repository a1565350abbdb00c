// Reading a 1000-point profile from bytes already in memory: the parse alone. And the data
// file readers over the worst shapes of a file the 16 MiB rule lets in, file read included.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "conditions_file.h"
#include "profile_file.h"
#include "station_file.h"
#include "worst_case_files.h"

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

// A profile's shape stands after its 15 header lines, where the points are read as numbers.
std::string HeaderLines() {
    std::string header;
    for (int i = 0; i < vakrel::kProfileHeaderLines; ++i) header += "header\r\n";
    return header;
}

const int kRegistered = [] {
    using vakrel::bench::Shape;
    vakrel::bench::RegisterShapes(
        "ReadProfileFile",
        [](const Shape& s) {
            return vakrel::bench::WriteBenchFile("prf.idn", vakrel::bench::ShapedBytes(s, HeaderLines()));
        },
        [](const std::string& path) { benchmark::DoNotOptimize(vakrel::ReadProfileFile(path)); });
    vakrel::bench::RegisterShapes(
        "LoadStationFile",
        [](const Shape& s) { return vakrel::bench::WriteBenchFile("ttx.idn", vakrel::bench::ShapedBytes(s)); },
        [](const std::string& path) { benchmark::DoNotOptimize(vakrel::LoadStationFile(path)); });
    vakrel::bench::RegisterShapes(
        "LoadConditionsFile",
        [](const Shape& s) { return vakrel::bench::WriteBenchFile("rrv.idn", vakrel::bench::ShapedBytes(s)); },
        [](const std::string& path) { benchmark::DoNotOptimize(vakrel::LoadConditionsFile(path)); });
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
