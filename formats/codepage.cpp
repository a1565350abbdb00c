#include "codepage.h"

#include <array>
#include <cstdint>

namespace vakrel {

namespace {

using Byte = unsigned char;

// Unicode of the upper halves (0x80-0xFF) of the two code pages.
// clang-format off
constexpr std::array<char16_t, 128> kCp1251Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457,
    // 0xC0-0xFF: А-я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F};

constexpr std::array<char16_t, 128> kCp866Upper = {
    // 0x80-0xAF: А-п
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    // 0xB0-0xDF: shading and box drawing
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // 0xE0-0xEF: р-я
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F,
    // 0xF0-0xFF
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A,
    0x2116, 0x00A4, 0x25A0, 0x00A0};
// clang-format on

bool InFullSet(Byte b) { return b == 0xB8 || (b >= 0xC0 && b <= 0xDF) || b >= 0xF2; }

bool InNarrowSet(Byte b) {
    return b == 0xC0 || b == 0xC1 || (b >= 0xC6 && b <= 0xCC) || (b >= 0xCE && b <= 0xD3) || (b >= 0xD6 && b <= 0xDF) ||
           b >= 0xF2;
}

bool IsBlankedBoxByte(Byte b) {
    switch (b) {
        case 0xB3:
        case 0xB4:
        case 0xB8:
        case 0xBE:
        case 0xBF:
        case 0xC0:
        case 0xC1:
        case 0xC2:
        case 0xC3:
        case 0xC4:
        case 0xC5:
        case 0xCD:
        case 0xD4:
        case 0xD5:
        case 0xD9:
        case 0xDA: return true;
        default: return false;
    }
}

std::string_view CutShort(std::string_view text) { return text.substr(0, kShortStringMax); }

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `i` and advances `i`; a malformed byte decodes as U+FFFD.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
    Byte b = static_cast<Byte>(s[i++]);
    if (b < 0x80) return b;
    int extra = (b >= 0xF0) ? 3 : (b >= 0xE0) ? 2 : (b >= 0xC0) ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<Byte>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<Byte>(s[i++]) & 0x3F);
    }
    return c;
}

std::string FromUtf8(std::string_view text, const std::array<char16_t, 128>& upper, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = NextUtf8(text, i);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = replacement;
        for (std::size_t k = 0; k < upper.size(); ++k) {
            if (upper[k] == c) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::string ToUtf8(std::string_view text, const std::array<char16_t, 128>& upper) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        Byte b = static_cast<Byte>(ch);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{upper[b - 0x80]});
    }
    return out;
}

}  // namespace

std::string DosToWin(std::string_view text, WindowsTest test, bool blankBoxDrawing) {
    text = CutShort(text);
    if (test != WindowsTest::Off) {
        for (char ch : text) {
            Byte b = static_cast<Byte>(ch);
            if (test == WindowsTest::Full ? InFullSet(b) : InNarrowSet(b)) return std::string(text);
        }
    }
    std::string out(text);
    for (char& ch : out) {
        Byte b = static_cast<Byte>(ch);
        if (b >= 0x80 && b <= 0xAF)
            ch = static_cast<char>(b + 0x40);
        else if (b >= 0xE0 && b <= 0xEF)
            ch = static_cast<char>(b + 0x10);
        else if (b == 0xF0)
            ch = static_cast<char>(0xA8);
        else if (b == 0xF1)
            ch = static_cast<char>(0xB8);
        else if (blankBoxDrawing && IsBlankedBoxByte(b))
            ch = ' ';
    }
    return out;
}

std::string WinToDos(std::string_view text) {
    std::string out(CutShort(text));
    for (char& ch : out) {
        Byte b = static_cast<Byte>(ch);
        if (b >= 0xC0 && b <= 0xEF)
            ch = static_cast<char>(b - 0x40);
        else if (b >= 0xF0)
            ch = static_cast<char>(b - 0x10);
        else if (b == 0xA8)
            ch = static_cast<char>(0xF0);
        else if (b == 0xB8)
            ch = static_cast<char>(0xF1);
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view text) { return ToUtf8(text, kCp1251Upper); }
std::string Utf8ToCp1251(std::string_view text, char replacement) { return FromUtf8(text, kCp1251Upper, replacement); }
std::string Cp866ToUtf8(std::string_view text) { return ToUtf8(text, kCp866Upper); }
std::string Utf8ToCp866(std::string_view text) { return FromUtf8(text, kCp866Upper, '?'); }

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
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

}  // namespace vakrel
