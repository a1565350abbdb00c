#pragma once
// The worst shapes a file the 16 MiB rule lets in can take, written once into a temporary
// folder, and the peak memory a benchmark adds. Shared by the reader benchmarks.

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <fstream>
#include <string>

#include "io_error.h"
#include "text_file.h"

namespace vakrel::bench {

struct Shape {
    const char* name;
    const char* fill;  // repeated to the size limit
};
inline constexpr Shape kShapes[] = {
    {"bare CRs", "\r"}, {"bare LFs", "\n"},   {"CR LF pairs", "\r\n"}, {"blanks", " "},
    {"digits", "1"},    {"minus signs", "-"}, {"points", "."},
};

// `prefix` followed by the shape's fill, kMaxDataFileBytes bytes in all.
inline std::string ShapedBytes(const Shape& shape, const std::string& prefix = {}) {
    std::string bytes = prefix;
    const std::string fill = shape.fill;
    while (bytes.size() + fill.size() <= kMaxDataFileBytes) bytes += fill;
    return bytes;
}

// A folder of its own under /tmp for the benchmark's files; it stays for a look afterwards.
inline const std::string& BenchFolder() {
    static const std::string path = [] {
        char name[] = "/tmp/vakrel-bench-XXXXXX";
        return std::string(::mkdtemp(name));
    }();
    return path;
}

inline std::string WriteBenchFile(const std::string& name, const std::string& bytes) {
    const std::string path = BenchFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The peak resident memory a benchmark adds to what the process held when it began: the
// kernel's high-water mark is brought down to the present at the start (clear_refs 5), and
// VmHWM less the resident size at the start is reported as the counter "peak_MB".
class PeakMemory {
public:
    PeakMemory() {
        std::ofstream("/proc/self/clear_refs") << "5";
        start_ = Field("VmRSS:");
    }
    void Report(benchmark::State& state) const {
        state.counters["peak_MB"] = static_cast<double>(Field("VmHWM:") - start_) / 1024.0;
    }

private:
    static long Field(const std::string& key) {  // in kB
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word)
            if (word == key) {
                long kb = 0;
                status >> kb;
                return kb;
            }
        return 0;
    }
    long start_ = 0;
};

// Registers one benchmark per shape under "reader/shape": `prepare` turns the shape into what
// `read` takes (the path of a file written for it), and `read` is the timed body. A read that
// ends in an IoError (the refusal the user is shown) counts as done; "refused" says how often.
template <class Prepare, class Read>
void RegisterShapes(const std::string& reader, Prepare prepare, Read read) {
    for (const Shape& shape : kShapes) {
        benchmark::RegisterBenchmark((reader + "/" + shape.name).c_str(), [=](benchmark::State& state) {
            const std::string input = prepare(shape);
            PeakMemory peak;
            double refused = 0;
            for (auto _ : state) {
                try {
                    read(input);
                } catch (const IoError&) {
                    ++refused;
                }
            }
            peak.Report(state);
            state.counters["refused"] = benchmark::Counter(refused, benchmark::Counter::kAvgIterations);
        })->Unit(benchmark::kMillisecond);
    }
}

}  // namespace vakrel::bench
