#pragma once
// The lines of the result file vakrel.rez: code page 866, CR LF, at most 76 columns. A coded
// line carries a code in columns 3-5, its label in 7-64 and its value in 66-75; every other
// line keeps columns 3-5 free of digits.

#include <string>
#include <string_view>

namespace vakrel {

inline constexpr std::size_t kRezWidth = 76;

// The value field of a coded line: 10 characters, right-aligned, with a point and at least four
// significant digits (%10.3f from 1 to 1e5 and for 0, %10.4f below 1, %10.5f below 0.1, %10.6f
// below 0.01, %10.3E below 0.001 and from 1e5 up).
std::string FormatCodedValue(double value);

// Accumulates the file's bytes. Texts are given in UTF-8 and stored in code page 866.
class RezText {
public:
    // A line of text; a text that would fill columns 3-5 with a digit is moved right by a blank.
    void Line(std::string_view utf8 = {});
    // A coded line; `label` is cut to the 58 columns of its field.
    void Coded(int code, std::string_view label, double value);
    const std::string& bytes() const { return bytes_; }

private:
    void Append(std::string line);
    std::string bytes_;
};

}  // namespace vakrel
