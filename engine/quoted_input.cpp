#include "quoted_input.h"

#include <cstdio>
#include <vector>

#include "codepage.h"

namespace vakrel {

namespace {

constexpr std::string_view kCutMark = "...";

// One character of the text as shown, and the columns it takes in code page 866.
struct Shown {
    std::string text;
    std::size_t columns;
};

Shown Escaped(unsigned char byte) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    return {escape, 4};
}

}  // namespace

std::string QuotedInput(std::string_view text) {
    std::vector<Shown> shown;
    std::size_t columns = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8CharacterLength(text, at);
        if (length == 0 || byte < 0x20 || byte == 0x7F)
            shown.push_back(Escaped(byte));
        else if (byte == '\\')
            shown.push_back({"\\\\", 2});
        else
            shown.push_back({std::string(text.substr(at, length)), 1});
        columns += shown.back().columns;
        at += length == 0 ? 1 : length;
    }
    const std::size_t room = columns <= kQuotedInputWidth ? columns : kQuotedInputWidth - kCutMark.size();
    std::string out;
    std::size_t used = 0;
    for (const Shown& s : shown) {
        if (used + s.columns > room) break;
        out += s.text;
        used += s.columns;
    }
    if (columns > room) out += kCutMark;
    return out;
}

}  // namespace vakrel
