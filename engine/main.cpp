// vakrel.exe: the calculation engine of one radio-relay hop.
//   vakrel.exe buf.prf buf.ttx [--heights] [--json FILE]
//                                reads the two buffers and rrv.idn of the current folder and writes
//                                vakrel.rez there (exit 0; 1 when an input is refused); with
//                                --heights also the antenna heights that meet P.530, with --json
//                                also every coded value to FILE
//   vakrel.exe --self-test       runs the built-in ITU-R validation examples (exit 0 if all pass)
//   vakrel.exe --help, --version
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hop_calculation.h"
#include "hop_heights.h"
#include "hop_inputs.h"
#include "io_error.h"
#include "itu_validation.h"
#include "rez_json.h"
#include "rez_report.h"
#include "text_file.h"
#include "working_files.h"

namespace {

constexpr const char* kUsage =
    "usage: vakrel.exe buf.prf buf.ttx [--heights] [--json FILE]\n"
    "         computes the hop of the profile buffer buf.prf, the station buffer buf.ttx and\n"
    "         the propagation conditions rrv.idn of the current folder, and writes the report\n"
    "         vakrel.rez there (code page 866); --heights also writes the lowest antenna\n"
    "         heights (m above the ground, 0.1 m steps, antenna 1 up to 100 m, antenna 2 up\n"
    "         to 1000 m) that meet the P.530 clearance criterion and the required\n"
    "         reliability: codes 232/233 both antennas raised alike, 234/235 antenna 1 only,\n"
    "         236/237 antenna 2 only; --json FILE also writes every coded value of the\n"
    "         report (code, label, unit, value) and the warnings to FILE as JSON (UTF-8).\n"
    "         Exit status: 0 calculated, 1 an input refused (the report says why), 2 a file\n"
    "         could not be written or the arguments are wrong.\n"
    "       vakrel.exe --self-test   runs the built-in ITU-R validation examples\n"
    "       vakrel.exe --help        this text\n"
    "       vakrel.exe --version     the program's version\n";

// What the command line asks of a calculation.
struct Request {
    std::string profilePath;
    std::string stationPath;
    bool heights = false;
    const char* jsonPath = nullptr;
};

// The two buffers, then --heights and --json FILE in any order, each at most once.
bool ParseRequest(int argc, char** argv, Request& request) {
    if (argc < 3) return false;
    request.profilePath = argv[1];
    request.stationPath = argv[2];
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--heights") == 0 && !request.heights) {
            request.heights = true;
        } else if (std::strcmp(argv[i], "--json") == 0 && !request.jsonPath && i + 1 < argc) {
            request.jsonPath = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

int SelfTest() {
    int passed = 0, failed = 0;
    for (const vakrel::validation::Check& c : vakrel::validation::RunAll()) {
        if (c.passed()) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAILED %s: expected %.9g, got %.9g (tolerance %.3g)\n", c.name.c_str(), c.expected, c.actual,
                        c.tolerance);
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

bool WriteOrSay(const std::string& path, const std::string& bytes) {
    try {
        vakrel::WriteFileAtomically(path, bytes);
        return true;
    } catch (const vakrel::IoError& e) {
        std::fprintf(stderr, "vakrel.exe: %s: %s\n", path.c_str(), e.userMessage().c_str());
        return false;
    }
}

// Writes the report (and the JSON twin when asked); a refused input still leaves a result file
// that says why.
int Calculate(const Request& request) {
    vakrel::RezText report;
    std::vector<std::string> warnings;
    std::string error;
    try {
        const vakrel::HopInputs inputs =
            vakrel::ReadHopInputs(request.profilePath, request.stationPath, vakrel::kWorkingConditions);
        const vakrel::HopResult hop = vakrel::CalculateHop(inputs);
        if (request.heights) {
            const std::array<vakrel::HeightSolution, 3> heights = vakrel::FindHeights(inputs.profile.terrain(), hop);
            report = vakrel::BuildReport(inputs, hop, &heights);
        } else {
            report = vakrel::BuildReport(inputs, hop);
        }
        warnings = hop.warnings;
    } catch (const vakrel::InputError& e) {
        error = e.what();
        report = vakrel::BuildErrorReport(error);
    }
    if (!WriteOrSay(vakrel::kResultFile, report.bytes())) return 2;
    if (request.jsonPath && !WriteOrSay(request.jsonPath, vakrel::FormatJson(report, warnings, error))) return 2;
    return error.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0) return SelfTest();
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vakrel.exe %s\n", VAKREL_VERSION);
        return 0;
    }
    if (Request request; ParseRequest(argc, argv, request)) return Calculate(request);
    std::fputs(kUsage, stderr);
    return 2;
}
