#pragma once
// The lines of the result file vakrel.rez, in the layout of formats/result_layout.h.

#include <string>
#include <string_view>
#include <vector>

#include "result_layout.h"

namespace vakrel {

// The value field of a coded line: 10 characters, right-aligned, with a point and at least four
// significant digits (%10.3f from 1 to 1e5 and for 0, %10.4f below 1, %10.5f below 0.1, %10.6f
// below 0.01, %10.3E below 0.001 and from 1e5 up).
std::string FormatCodedValue(double value);

// The value field of a reliability in %: as many decimals (3 to 7) as show the outage 100 - value
// with two significant digits, cut rather than rounded so that a value below 100 never reads
// "100.000" (99.99985, not 100.000, for an outage of 0.00015 %).
std::string FormatReliabilityValue(double percent);

// `text` without its leading and trailing blanks.
std::string Trimmed(std::string_view text);

// `format` filled with up to two numbers, for the report's text lines.
std::string Printf(const char* format, double a, double b = 0);

// A coded value as written: code, label (UTF-8, with its unit after the last comma) and value.
struct CodedValue {
    int code;
    std::string label;
    double value;
};

// Accumulates the file's bytes. Texts are given in UTF-8 and stored in code page 866.
class RezText {
public:
    // A text of any length: one line when it fits the file's width, else wrapped at blanks into
    // lines of that width (a word longer than a line is split), the lines after the first indented
    // under it. A text that would fill columns 3-5 with a digit is first moved right by blanks.
    // The text must hold no line end: texts from the inputs come through QuotedInput.
    void Line(std::string_view utf8 = {});
    // A coded line; `label` is cut to the 58 columns of its field.
    void Coded(int code, std::string_view label, double value);
    // A coded reliability (%), written by FormatReliabilityValue.
    void CodedReliability(int code, std::string_view label, double percent);
    const std::string& bytes() const { return bytes_; }
    const std::vector<CodedValue>& values() const { return values_; }

private:
    void CodedField(int code, std::string_view label, double value, const std::string& field);
    void Append(std::string line);  // one finished line of at most kRezWidth bytes
    std::string bytes_;
    std::vector<CodedValue> values_;
};

}  // namespace vakrel
