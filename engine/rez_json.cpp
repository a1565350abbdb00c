#include "rez_json.h"

#include <cstdio>

namespace vakrel {

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

}  // namespace

std::string SplitUnit(std::string_view label, std::string& labelOut) {
    const std::size_t comma = label.rfind(", ");
    if (comma != std::string_view::npos) {
        const std::string_view unit = label.substr(comma + 2);
        if (!unit.empty() && unit.find_first_of(" ()") == std::string_view::npos) {
            labelOut = std::string(label.substr(0, comma));
            return std::string(unit);
        }
    }
    labelOut = std::string(label);
    return {};
}

std::string FormatJson(const RezText& report, const std::vector<std::string>& warnings, std::string_view error) {
    std::string out = "{\n  \"program\": \"vakrel.exe\",\n  \"version\": " + Quoted(VAKREL_VERSION) + ",\n";
    out += std::string("  \"status\": ") + (error.empty() ? "\"calculated\"" : "\"refused\"") + ",\n";
    if (!error.empty()) out += "  \"error\": " + Quoted(error) + ",\n";
    out += "  \"warnings\": [";
    for (std::size_t i = 0; i < warnings.size(); ++i) out += (i ? ",\n    " : "\n    ") + Quoted(warnings[i]);
    out += warnings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"values\": [";
    const std::vector<CodedValue>& values = report.values();
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string label;
        const std::string unit = SplitUnit(values[i].label, label);
        out += i ? ",\n    " : "\n    ";
        out += "{\"code\": " + std::to_string(values[i].code) + ", \"label\": " + Quoted(Trimmed(label)) +
               ", \"unit\": " + Quoted(unit) + ", \"value\": " + Number(values[i].value) + "}";
    }
    out += values.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

}  // namespace vakrel
