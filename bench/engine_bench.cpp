// The hop calculation on a 1000-row profile: in the library with the writing of its report (target:
// a median well under 2 ms), the search of the antenna heights that meet P.530 for the three ways of
// raising them (target: a median under 20 ms), and as the whole process vakrel.exe the windowed
// program starts, from reading its three files to writing vakrel.rez (target: a median under 5 ms).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "hop_calculation.h"
#include "hop_heights.h"
#include "rez_report.h"

extern char** environ;

namespace {

double ThousandRowHeight(double d) { return 150 + 30 * std::sin(d / 3) + 10 * std::sin(d * 1.7); }

vakrel::HopInputs ThousandRowHop() {
    vakrel::HopInputs in;
    for (int i = 0; i < 1000; ++i) {
        const double d = 0.05 * i;  // 49.95 km
        in.profile.distanceKm.push_back(d);
        in.profile.heightM.push_back(ThousandRowHeight(d));
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

// Its reliability is asked (99.99 % after 99.995 %), so the trials that keep the clearance compute
// the whole hop.
void BM_FindHeights1000Rows(benchmark::State& state) {
    const vakrel::HopInputs in = ThousandRowHop();
    const vakrel::TerrainProfile profile = in.profile.terrain();
    const vakrel::HopResult hop = vakrel::CalculateHop(in);
    for (auto _ : state) benchmark::DoNotOptimize(vakrel::FindHeights(profile, hop));
}
BENCHMARK(BM_FindHeights1000Rows)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A working folder with a 1000-row buf.prf and the bundled station and conditions files. It lies
// in memory where the machine has such a folder: the flush of vakrel.rez to a shared disk costs
// from under 1 to about 8 ms by the disk's load, which is not the engine's work.
std::filesystem::path ThousandRowFolder() {
    char pattern[] = "/dev/shm/vakrel_bench_XXXXXX";
    if (!std::filesystem::is_directory("/dev/shm")) std::snprintf(pattern, sizeof pattern, "/tmp/vakrel_bench_XXXXXX");
    const std::filesystem::path dir = mkdtemp(pattern);
    std::ofstream prf(dir / "buf.prf", std::ios::binary);
    for (int i = 0; i < 15; ++i) prf << "header\r\n";
    for (int i = 0; i < 1000; ++i) {
        char row[64];
        std::snprintf(row, sizeof row, "%.3f %.2f\r\n", 0.05 * i, ThousandRowHeight(0.05 * i));
        prf << row;
    }
    prf << "0 0\r\n";
    std::ofstream(dir / "buf.ttx", std::ios::binary) << ReadFile(VAKREL_EXAMPLES "/ttx.idn");
    std::ofstream(dir / "rrv.idn", std::ios::binary) << ReadFile(VAKREL_EXAMPLES "/rrv.idn");
    return dir;
}

void BM_EngineProcess1000Rows(benchmark::State& state) {
    const std::filesystem::path dir = ThousandRowFolder();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    char engine[] = VAKREL_ENGINE;
    char profile[] = "buf.prf";
    char station[] = "buf.ttx";
    char* argv[] = {engine, profile, station, nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, engine, nullptr, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) < 0 ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("vakrel.exe did not calculate the hop");
            break;
        }
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_EngineProcess1000Rows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
