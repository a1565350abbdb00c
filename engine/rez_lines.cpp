#include "rez_lines.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "codepage.h"
#include "hop_inputs.h"
#include "text_file.h"

namespace vakrel {

namespace {

bool HasDigitInCodeColumns(const std::string& line) {
    for (std::size_t i = kRezCodeColumn; i < kRezCodeColumn + kRezCodeWidth && i < line.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(line[i]))) return true;
    return false;
}

}  // namespace

std::string FormatCodedValue(double value) {
    const double a = std::fabs(value);
    const char* format = "%10.3f";
    if (a == 0 || (a >= 1 && a < 1e5))
        format = "%10.3f";
    else if (a < 0.001 || a >= 1e5)
        format = "%10.3E";
    else if (a < 0.01)
        format = "%10.6f";
    else if (a < 0.1)
        format = "%10.5f";
    else
        format = "%10.4f";
    char text[40];
    std::snprintf(text, sizeof text, format, value);
    std::string field = text;
    // A three-digit exponent with a sign would take 11 columns: drop one digit of the mantissa.
    if (field.size() > kRezValueWidth) {
        std::snprintf(text, sizeof text, "%10.2E", value);
        field = text;
    }
    return field;
}

std::string FormatReliabilityValue(double percent) {
    const double outage = 100 - percent;
    if (!(outage > 0) || !(percent > 0)) return FormatCodedValue(percent);
    constexpr int kFewest = 3, kMost = 7;  // "99.9999999" fills the 10 columns of the field
    const int wanted = static_cast<int>(std::ceil(-std::log10(outage))) + 1;
    const int decimals = wanted < kFewest ? kFewest : (wanted > kMost ? kMost : wanted);
    const double scale = std::pow(10.0, decimals);
    // Cut to the decimals shown; the small allowance keeps 99.99 from becoming 99.98999.
    double shown = std::floor(percent * scale + 1e-6) / scale;
    if (shown >= 100) shown = 100 - 1 / scale;
    char text[40];
    std::snprintf(text, sizeof text, "%10.*f", decimals, shown);
    return text;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Printf(const char* format, double a, double b) {
    char text[512];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

void RezText::Line(std::string_view utf8) {
    std::string text = Utf8ToCp866(utf8);
    while (HasDigitInCodeColumns(text)) text.insert(text.begin(), ' ');
    constexpr std::string_view kIndent = "         ";
    constexpr std::size_t kShortestPiece = 20;  // a blank nearer the line's start does not break it
    std::size_t start = 0;
    do {
        const bool first = start == 0;
        std::size_t end = std::min(text.size(), start + (first ? kRezWidth : kRezWidth - kIndent.size()));
        if (end < text.size()) {
            const std::size_t blank = text.rfind(' ', end);
            if (blank != std::string::npos && blank > start + kShortestPiece) end = blank;
        }
        Append((first ? std::string() : std::string(kIndent)) + text.substr(start, end - start));
        start = end;
        while (start < text.size() && text[start] == ' ') ++start;
    } while (start < text.size());
}

void RezText::Coded(int code, std::string_view label, double value) {
    CodedField(code, label, value, FormatCodedValue(value));
}

void RezText::CodedReliability(int code, std::string_view label, double percent) {
    CodedField(code, label, percent, FormatReliabilityValue(percent));
}

void RezText::CodedField(int code, std::string_view label, double value, const std::string& field) {
    // A reader takes every coded value as a number: inputs that drive a model out of its range
    // are refused rather than written as INF or NAN.
    if (!std::isfinite(value))
        throw InputError("величина \"" + std::string(label) + "\" не определена: проверьте исходные данные");
    values_.push_back({code, std::string(label), value});
    char codeText[8];
    std::snprintf(codeText, sizeof codeText, "  %3d ", code);
    std::string line = codeText;
    std::string text = Utf8ToCp866(label).substr(0, kRezLabelWidth);
    line += text;
    line.resize(kRezValueColumn, ' ');
    line += field;
    Append(std::move(line));
}

void RezText::Append(std::string line) {
    bytes_ += line;
    bytes_ += kLineEnd;
}

}  // namespace vakrel
