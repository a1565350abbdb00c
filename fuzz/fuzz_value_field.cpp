// The value field of a parameter line and the number syntax of the data files. Properties: a
// value read is finite; a line shorter than the field's column reads as 0; a number the syntax
// accepts is the number the C library reads from the same text; and a value written into a
// parameter line reads back as its 3-decimal text, with the suffix in place.
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "number_format.h"
#include "parameter_line.h"

namespace {

constexpr std::size_t kLabelWidth = 65;

void CheckSyntaxAgainstCLibrary(std::string_view text) {
    const auto parsed = vakrel::ParseNumber(text);
    if (!parsed) return;
    FUZZ_CHECK(std::isfinite(*parsed));
    const std::string copy(text);
    char* end = nullptr;
    const double reference = std::strtod(copy.c_str(), &end);
    FUZZ_CHECK(end == copy.c_str() + copy.size());
    FUZZ_CHECK(reference == *parsed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool cLocale = std::setlocale(LC_ALL, "C") != nullptr;
    FUZZ_CHECK(cLocale);
    const std::string_view line = vakrel::fuzz::AsText(data, size);

    CheckSyntaxAgainstCLibrary(line);
    const double value = vakrel::ReadValueField(line);
    FUZZ_CHECK(std::isfinite(value));
    if (line.size() <= kLabelWidth) FUZZ_CHECK(value == 0);

    // Written back behind a full label, with the line's own suffix.
    std::string label(line.substr(0, kLabelWidth));
    label.resize(kLabelWidth, '.');
    const std::string suffix = vakrel::SuffixOf(line);
    FUZZ_CHECK(suffix.size() <= 4);
    const std::string written = vakrel::WriteParameterLine(label, value, suffix);
    const std::string field = vakrel::FormatFixed(value, 9, 3);
    FUZZ_CHECK(written == label + field + suffix);
    if (field.size() == 9) {
        const auto expected = vakrel::ParseNumber(field);
        FUZZ_CHECK(expected.has_value());
        FUZZ_CHECK(vakrel::ReadValueField(written) == *expected);
        FUZZ_CHECK(std::fabs(*expected - value) <= 0.0005 + 1e-12 * std::fabs(value));
        FUZZ_CHECK(vakrel::SuffixOf(written) == suffix);
    }
    return 0;
}
