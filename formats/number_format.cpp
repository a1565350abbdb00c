#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace vakrel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the syntax and reports where the exponent's sign stands (for telling underflow from
// overflow). The digits before or after the point may be missing, not both.
bool MatchesNumberSyntax(std::string_view s, bool& negativeExponent) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    negativeExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negativeExponent = false;
    if (!MatchesNumberSyntax(text, negativeExponent)) return std::nullopt;
    bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double. A negative exponent alone does not tell which
        // ("1" followed by 400 digits and "E-9" is too large), so ask the wider type first.
        long double wide = 0;
        const auto widened = std::from_chars(text.data(), text.data() + text.size(), wide);
        const bool overflow = widened.ec == std::errc() ? wide > std::numeric_limits<double>::max() : !negativeExponent;
        if (overflow) return std::nullopt;
        value = 0;  // underflow: the nearest double is 0
    } else if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string FormatFixed(double value, int width, int decimals) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
    // A value that rounds to zero is written without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatGeneral(double value, char separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // 15 significant digits, rounded once; the notation follows the rounded exponent.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (IsDigit(c)) digits += c;
    int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent >= 0) {
            auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                text += digits + std::string(intDigits - digits.size(), '0');
            } else {
                text += digits.substr(0, intDigits) + separator + digits.substr(intDigits);
            }
        } else {
            text += std::string("0") + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
    } else {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += separator + digits.substr(1);
        text += 'E';
        if (exponent < 0) text += '-';
        text += std::to_string(std::abs(exponent));
    }
    return text;
}

double RoundToHundredths(long double value) {
    return static_cast<double>(std::nearbyint(value * 100.0L) / 100.0L);  // default rounding: halves to even
}

TypedValue ApplyTypedValue(std::string_view typed, double held, char separator) {
    const TypedValue refused{held, FormatGeneral(held, separator)};
    std::string s = typed.empty() ? std::string("0") : std::string(typed);
    const std::size_t walked = s.size();
    bool pointSeen = false;
    for (std::size_t i = 0; i < walked; ++i) {
        if (s[i] == ',') s[i] = '.';
        if (s[i] != '.') continue;
        if (pointSeen) return refused;
        pointSeen = true;
        if (i + 1 == walked) s += '0';
    }
    auto parsed = ParseNumber(s);
    if (!parsed) return refused;
    return {*parsed, std::nullopt};
}

}  // namespace vakrel
