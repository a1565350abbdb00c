#pragma once
// Running the built-in ITU-R validation examples against the engine's models (vakrel.exe
// --self-test and the unit tests use the same list).

#include <string>
#include <vector>

namespace vakrel::validation {

// One compared figure.
struct Check {
    std::string name;  // model, case and quantity, for the failure message
    double expected;
    double actual;
    double tolerance;  // absolute, in the unit of the figure
    bool passed() const { return actual - expected <= tolerance && expected - actual <= tolerance; }
};

// Losses and attenuations within 0.1 dB; coefficients within 0.1 % of the reference.
std::vector<Check> RunAll();

}  // namespace vakrel::validation
