// A 50 km profile over a 1" SRTM tile (3601 x 3601 posts, made here in a temporary folder):
// BuildProfile in this process (GDAL already loaded), and vakrel-profile as a whole process
// against a process that only loads GDAL and registers its drivers. The difference of the two
// processes is the work beyond GDAL's own loading.
//
// With VAKREL_PROFILE_BEFORE=/path/to/an/older/vakrel-profile, BM_ProcessSideBySide runs, in
// each of 60 iterations, the GDAL-only process, that older program and this build's one after
// each other, so that all three meet the same load of a shared machine. It reports the median
// wall and CPU times of each, and as *_beyond_gdal_* the median over the iterations of each
// program's time less the GDAL-only process's time of the same iteration.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "elevation_profile.h"

extern char** environ;

namespace {

const vakrel::GeoPoint kFrom{55.15, 37.15};
const vakrel::GeoPoint kTo{55.55, 37.55};  // 51 km

// The tile N55E037.hgt: big-endian 16-bit heights of a rolling surface.
const std::string& TileFolder() {
    static const std::string* folder = new std::string([] {
        char pattern[] = "/tmp/vakrel-terrain-bench-XXXXXX";
        const std::string dir = mkdtemp(pattern);
        constexpr int kPosts = 3601;
        std::vector<unsigned char> bytes(static_cast<std::size_t>(kPosts) * kPosts * 2);
        for (int r = 0; r < kPosts; ++r)
            for (int c = 0; c < kPosts; ++c) {
                const double lat = 56 - r / 3600.0, lon = 37 + c / 3600.0;
                const auto h = static_cast<int>(150 + 40 * std::sin(31 * lat) + 60 * std::cos(23 * lon));
                const std::size_t at = (static_cast<std::size_t>(r) * kPosts + c) * 2;
                bytes[at] = static_cast<unsigned char>((h >> 8) & 0xFF);
                bytes[at + 1] = static_cast<unsigned char>(h & 0xFF);
            }
        std::ofstream(dir + "/N55E037.hgt", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return dir;
    }());
    static const bool removedAtExit = std::atexit([] { std::filesystem::remove_all(*folder); }) == 0;
    (void)removedAtExit;
    return *folder;
}

std::string Tile() { return TileFolder() + "/N55E037.hgt"; }

// Runs the program to its end; adds its CPU time (user and system) to `cpuMs`.
void RunProcess(std::vector<std::string> args, benchmark::State& state, double& cpuMs) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    struct rusage usage {};
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 || wait4(pid, &status, 0, &usage) < 0 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError(("failed: " + args[0]).c_str());
    cpuMs +=
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

std::vector<std::string> ProfileCommand(const std::string& program) {
    return {program, "--from", vakrel::FormatGeoPoint(kFrom), "--to", vakrel::FormatGeoPoint(kTo), "--dem",
            Tile(),  "-o",     TileFolder() + "/prf.idn"};
}

// The child's CPU time a run, beside the wall time: the machine is shared, and wall times of
// short processes swing with its load.
void ReportChildCpu(benchmark::State& state, double cpuMs) {
    state.counters["child_cpu_ms"] = cpuMs / static_cast<double>(state.iterations());
}

void BM_BuildProfile50kmOver1SecondTile(benchmark::State& state) {
    vakrel::ProfileRequest request;
    request.from = kFrom;
    request.to = kTo;
    request.demPaths = {Tile()};
    for (auto _ : state) {
        auto built = vakrel::BuildProfile(request);
        benchmark::DoNotOptimize(built);
    }
}
BENCHMARK(BM_BuildProfile50kmOver1SecondTile)->Unit(benchmark::kMillisecond);

void BM_ProcessGdalRegisterOnly(benchmark::State& state) {
    double cpuMs = 0;
    for (auto _ : state) RunProcess({std::string(VAKREL_BIN_DIR) + "/gdal_register_only"}, state, cpuMs);
    ReportChildCpu(state, cpuMs);
}
BENCHMARK(BM_ProcessGdalRegisterOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_ProcessVakrelProfile50km(benchmark::State& state) {
    double cpuMs = 0;
    for (auto _ : state) RunProcess(ProfileCommand(std::string(VAKREL_BIN_DIR) + "/vakrel-profile"), state, cpuMs);
    ReportChildCpu(state, cpuMs);
}
BENCHMARK(BM_ProcessVakrelProfile50km)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

void BM_ProcessSideBySide(benchmark::State& state, const std::string& before) {
    const std::vector<std::vector<std::string>> commands = {
        {std::string(VAKREL_BIN_DIR) + "/gdal_register_only"},
        ProfileCommand(before),
        ProfileCommand(std::string(VAKREL_BIN_DIR) + "/vakrel-profile")};
    const char* const names[] = {"gdal", "before", "after"};
    std::vector<double> wall[3], cpu[3], wallBeyond[3], cpuBeyond[3];
    for (auto _ : state) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            double cpuMs = 0;
            const auto start = std::chrono::steady_clock::now();
            RunProcess(commands[i], state, cpuMs);
            wall[i].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            cpu[i].push_back(cpuMs);
        }
        for (std::size_t i = 1; i < 3; ++i) {
            wallBeyond[i].push_back(wall[i].back() - wall[0].back());
            cpuBeyond[i].push_back(cpu[i].back() - cpu[0].back());
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        state.counters[std::string(names[i]) + "_wall_ms"] = Median(wall[i]);
        state.counters[std::string(names[i]) + "_cpu_ms"] = Median(cpu[i]);
    }
    for (std::size_t i = 1; i < 3; ++i) {
        state.counters[std::string(names[i]) + "_beyond_gdal_wall_ms"] = Median(wallBeyond[i]);
        state.counters[std::string(names[i]) + "_beyond_gdal_cpu_ms"] = Median(cpuBeyond[i]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* before = std::getenv("VAKREL_PROFILE_BEFORE"))
        benchmark::RegisterBenchmark("BM_ProcessSideBySide", BM_ProcessSideBySide, std::string(before))
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(60);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
