// The window-level readers over the worst shapes of a file the 16 MiB rule lets in: the text of a
// code reference window, the engine's result file, and the whole report, which also reads the
// buffer files and the working conditions file.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "code_reference.h"
#include "hop_model.h"
#include "report.h"
#include "result_file.h"
#include "worst_case_files.h"

namespace {

using vakrel::bench::Shape;

std::string ExampleFile(const std::string& name) {
    std::ifstream in(std::string(VAKREL_EXAMPLES "/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The files the report reads, each as a real run leaves it; `shaped` takes the shape instead.
void WriteReportFiles(const std::string& shaped, const Shape& shape) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"buf.prf", ExampleFile("prf.idn")},
        {"buf.ttx", ExampleFile("ttx.idn")},
        {"rrv.idn", ExampleFile("rrv.idn")},
        {"vakrel.rez", "  result\r\n"},
    };
    for (const auto& [name, bytes] : files)
        vakrel::bench::WriteBenchFile(name, name == shaped ? vakrel::bench::ShapedBytes(shape) : bytes);
}

const int kRegistered = [] {
    vakrel::bench::RegisterShapes(
        "ReadCodeReference",
        [](const Shape& s) { return vakrel::bench::WriteBenchFile("prf.tip", vakrel::bench::ShapedBytes(s)); },
        [](const std::string& path) { benchmark::DoNotOptimize(vakrel::ReadCodeReference(path)); });
    vakrel::bench::RegisterShapes(
        "ParseResultFile",
        [](const Shape& s) { return vakrel::bench::WriteBenchFile("vakrel.rez", vakrel::bench::ShapedBytes(s)); },
        [](const std::string& path) {
            benchmark::DoNotOptimize(vakrel::ParseResultFile(vakrel::ReadFileBytes(path)));
        });
    for (const char* shaped : {"buf.prf", "buf.ttx", "rrv.idn", "vakrel.rez"}) {
        vakrel::bench::RegisterShapes(
            std::string("BuildReport(") + shaped + ")",
            [shaped](const Shape& s) {
                WriteReportFiles(shaped, s);
                return vakrel::bench::BenchFolder();
            },
            [](const std::string& folder) {
                if (::chdir(folder.c_str()) != 0) return;
                vakrel::HopModel model;
                std::vector<std::string> lines;
                benchmark::DoNotOptimize(vakrel::BuildReport(model, '.', lines));
            });
    }
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
