#pragma once
// Code page conversions. Data files are code page 866 (DOS), the windows show code page 1251,
// and the glass (Qt) takes UTF-8. The 866/1251 maps translate only the Cyrillic letters;
// every other byte passes unchanged or, where asked, becomes a blank.

#include <string>
#include <string_view>

namespace vakrel {

// Which already-Windows test DosToWin runs before converting.
enum class WindowsTest {
    Off,     // always convert
    Full,    // a text holding 0xB8, 0xC0-0xDF or 0xF2-0xFF counts as code page 1251
    Narrow,  // as Full less 0xB8, 0xC2-0xC5, 0xCD, 0xD4, 0xD5
};

// Longest text the conversions take; a longer one is cut to its first 255 bytes.
inline constexpr std::size_t kShortStringMax = 255;

// Code page 866 -> 1251. `blankBoxDrawing` turns the single-line box characters into blanks.
std::string DosToWin(std::string_view text, WindowsTest test, bool blankBoxDrawing);

// Code page 1251 -> 866.
std::string WinToDos(std::string_view text);

// Code page 1251 <-> UTF-8, the one table between data bytes and the glass. Characters that
// code page 1251 cannot hold become `replacement`.
std::string Cp1251ToUtf8(std::string_view text);
std::string Utf8ToCp1251(std::string_view text, char replacement = '?');

// Code page 866 -> UTF-8 for every byte (box drawing included), and UTF-8 -> 866 for the
// engine's own texts; characters code page 866 cannot hold become '?'.
std::string Cp866ToUtf8(std::string_view text);

// The length of the well-formed UTF-8 character at text[at] (no overlong form, no surrogate,
// nothing above U+10FFFF), or 0 when none starts there.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);
std::string Utf8ToCp866(std::string_view text);

}  // namespace vakrel
