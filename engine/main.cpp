// vakrel.exe: the calculation engine of one radio-relay hop.
//   vakrel.exe buf.prf buf.ttx [--json FILE]   reads the two buffers and rrv.idn of the current
//                                folder and writes vakrel.rez there (exit 0; 1 when an input is
//                                refused); with --json also every coded value to FILE
//   vakrel.exe --self-test       runs the built-in ITU-R validation examples (exit 0 if all pass)
//   vakrel.exe --help, --version
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hop_calculation.h"
#include "hop_inputs.h"
#include "io_error.h"
#include "itu_validation.h"
#include "rez_json.h"
#include "rez_report.h"
#include "text_file.h"
#include "working_files.h"

namespace {

constexpr const char* kUsage =
    "usage: vakrel.exe buf.prf buf.ttx [--json FILE]\n"
    "         computes the hop of the profile buffer buf.prf, the station buffer buf.ttx and\n"
    "         the propagation conditions rrv.idn of the current folder, and writes the report\n"
    "         vakrel.rez there (code page 866); --json FILE also writes every coded value of\n"
    "         the report (code, label, unit, value) and the warnings to FILE as JSON (UTF-8).\n"
    "         Exit status: 0 calculated, 1 an input refused (the report says why), 2 a file\n"
    "         could not be written or the arguments are wrong.\n"
    "       vakrel.exe --self-test   runs the built-in ITU-R validation examples\n"
    "       vakrel.exe --help        this text\n"
    "       vakrel.exe --version     the program's version\n";

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
int Calculate(const std::string& profilePath, const std::string& stationPath, const char* jsonPath) {
    vakrel::RezText report;
    std::vector<std::string> warnings;
    std::string error;
    try {
        const vakrel::HopInputs inputs = vakrel::ReadHopInputs(profilePath, stationPath, vakrel::kWorkingConditions);
        const vakrel::HopResult hop = vakrel::CalculateHop(inputs);
        report = vakrel::BuildReport(inputs, hop);
        warnings = hop.warnings;
    } catch (const vakrel::InputError& e) {
        error = e.what();
        report = vakrel::BuildErrorReport(error);
    }
    if (!WriteOrSay(vakrel::kResultFile, report.bytes())) return 2;
    if (jsonPath && !WriteOrSay(jsonPath, vakrel::FormatJson(report, warnings, error))) return 2;
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
    if (argc == 3) return Calculate(argv[1], argv[2], nullptr);
    if (argc == 5 && std::strcmp(argv[3], "--json") == 0) return Calculate(argv[1], argv[2], argv[4]);
    std::fputs(kUsage, stderr);
    return 2;
}
