#pragma once
// Numbers in the data files and in the windows. Files always use a point; windows use the
// user's locale separator in the general format.

#include <optional>
#include <string>
#include <string_view>

namespace vakrel {

// The one number syntax of the data files: leading blanks, an optional sign, digits with at
// most one point (".5" and "5." are numbers), an optional exponent E/e with optional sign and
// at least one digit, and nothing after. No nan, inf, hex or comma. A value that overflows
// a double fails.
std::optional<double> ParseNumber(std::string_view text);

// Fixed-point text with `decimals` decimals and a point, right-aligned in `width`
// characters; a wider text is returned whole.
std::string FormatFixed(double value, int width, int decimals);

// The general display format: up to 15 significant digits, no trailing zeros, fixed notation
// for 0 and magnitudes in [0.0001, 1e15), otherwise "1E-5" / "2,5E20"; `separator` is the
// locale's decimal separator.
std::string FormatGeneral(double value, char separator);

// A value rounded to 0.01 in extended precision, halves to even (the distances the windows show
// and the rows the profile editor inserts).
double RoundToHundredths(long double value);

// The typing rule of a value cell in the station and conditions editors. `typed` is the
// cell's new text (UTF-8), `held` the value held for the row. Returns the value now held and,
// when the typed text is refused, the text to set the cell back to.
struct TypedValue {
    double value;
    std::optional<std::string> revertText;
};
TypedValue ApplyTypedValue(std::string_view typed, double held, char separator);

}  // namespace vakrel
