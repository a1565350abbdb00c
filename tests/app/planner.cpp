#include "planner.h"

#include "parameter_line.h"
#include "text_file.h"

namespace vakrel {

using test::Example;

// A data file with the value of line `number` (1-based) replaced.
std::string WithValue(const std::string& bytes, int number, double value) {
    LineReader in(bytes);
    std::string out;
    for (int line = 1; !in.AtEnd(); ++line) {
        std::string text = in.ReadLine();
        if (line == number) text = WriteParameterLine(text, value, SuffixOf(text));
        out += text + "\r\n";
    }
    return out;
}

// Conditions of a non-typical region whose gradient leaves no earth radius (lines 18, 23, and
// the refraction coefficient on line 30, which the engine would take instead).
std::string ConditionsWithoutRadius() {
    return WithValue(WithValue(WithValue(Example("rrv.idn"), 18, 0), 23, 0.2), 30, 0);
}

// The example profile's 15 header lines followed by `rows`.
std::string ProfileWithRows(const std::string& rows) {
    const std::string bytes = Example("prf.idn");
    std::size_t end = 0;
    for (int line = 0; line < 15; ++line) end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end) + rows;
}

}  // namespace vakrel
