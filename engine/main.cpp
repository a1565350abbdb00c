// vakrel.exe: the calculation engine of one radio-relay hop.
//   vakrel.exe buf.prf buf.ttx   reads the two buffers and rrv.idn of the current folder and
//                                writes vakrel.rez there (exit 0; 1 when an input is refused)
//   vakrel.exe --self-test       runs the built-in ITU-R validation examples (exit 0 if all pass)
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "hop_calculation.h"
#include "hop_inputs.h"
#include "io_error.h"
#include "itu_validation.h"
#include "rez_report.h"
#include "text_file.h"

namespace {

constexpr const char* kResultFile = "vakrel.rez";
constexpr const char* kConditionsFile = "rrv.idn";

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

// Writes the report; a refused input still leaves a result file that says why.
int Calculate(const std::string& profilePath, const std::string& stationPath) {
    std::string report;
    int status = 0;
    try {
        const vakrel::HopInputs inputs = vakrel::ReadHopInputs(profilePath, stationPath, kConditionsFile);
        report = vakrel::BuildReport(inputs, vakrel::CalculateHop(inputs));
    } catch (const vakrel::InputError& e) {
        report = vakrel::BuildErrorReport(e.what());
        status = 1;
    }
    try {
        vakrel::WriteFileAtomically(kResultFile, report);
    } catch (const vakrel::IoError& e) {
        std::fprintf(stderr, "vakrel.exe: %s: %s\n", kResultFile, e.userMessage().c_str());
        return 2;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0) return SelfTest();
    if (argc != 3) {
        std::fprintf(stderr, "usage: vakrel.exe buf.prf buf.ttx   (rrv.idn in the current folder)\n"
                             "       vakrel.exe --self-test\n");
        return 2;
    }
    return Calculate(argv[1], argv[2]);
}
