#include "rez_lines.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "codepage.h"
#include "hop_inputs.h"
#include "text_file.h"

namespace vakrel {

namespace {

constexpr std::size_t kLabelWidth = 58;
constexpr std::size_t kValueColumn = 65;  // 0-based start of columns 66-75
constexpr std::size_t kValueWidth = 10;

bool HasDigitInCodeColumns(const std::string& line) {
    for (std::size_t i = 2; i < 5 && i < line.size(); ++i)
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
    if (field.size() > kValueWidth) {
        std::snprintf(text, sizeof text, "%10.2E", value);
        field = text;
    }
    return field;
}

void RezText::Line(std::string_view utf8) {
    std::string line = Utf8ToCp866(utf8);
    while (HasDigitInCodeColumns(line)) line.insert(0, " ");
    Append(std::move(line));
}

void RezText::Coded(int code, std::string_view label, double value) {
    // A reader takes every coded value as a number: inputs that drive a model out of its range
    // are refused rather than written as INF or NAN.
    if (!std::isfinite(value))
        throw InputError("величина \"" + std::string(label) + "\" не определена: проверьте исходные данные");
    char codeText[8];
    std::snprintf(codeText, sizeof codeText, "  %3d ", code);
    std::string line = codeText;
    std::string text = Utf8ToCp866(label).substr(0, kLabelWidth);
    line += text;
    line.resize(kValueColumn, ' ');
    line += FormatCodedValue(value);
    Append(std::move(line));
}

void RezText::Append(std::string line) {
    if (line.size() > kRezWidth) line.resize(kRezWidth);
    bytes_ += line;
    bytes_ += kLineEnd;
}

}  // namespace vakrel
