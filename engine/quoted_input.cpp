#include "quoted_input.h"

#include <cstdio>
#include <vector>

namespace vakrel {

namespace {

constexpr std::string_view kCutMark = "...";

// The length of the well-formed UTF-8 character at text[at] (no overlong form, no surrogate,
// nothing above U+10FFFF), or 0 when none starts there.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    // The second byte bounds of E0, ED, F0 and F4.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) || (lead == 0xF0 && byte(1) < 0x90) ||
        (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

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
        const std::size_t length = CharacterLength(text, at);
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
