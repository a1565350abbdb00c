#include "codepage.h"

#include <gtest/gtest.h>

#include <set>

namespace vakrel {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

// The letter map written out row by row from the code page tables, independent of the code.
int ExpectedDosLetter(int b) {
    if (b >= 0x80 && b <= 0xAF) return b + 0x40;
    if (b >= 0xE0 && b <= 0xEF) return b + 0x10;
    if (b == 0xF0) return 0xA8;
    if (b == 0xF1) return 0xB8;
    return -1;
}

const std::set<int> kBlanked = {0xB3, 0xB4, 0xB8, 0xBE, 0xBF, 0xC0, 0xC1, 0xC2,
                                0xC3, 0xC4, 0xC5, 0xCD, 0xD4, 0xD5, 0xD9, 0xDA};

bool InFull(int b) { return b == 0xB8 || (b >= 0xC0 && b <= 0xDF) || b >= 0xF2; }
bool InNarrow(int b) {
    return InFull(b) && b != 0xB8 && !(b >= 0xC2 && b <= 0xC5) && b != 0xCD && b != 0xD4 && b != 0xD5;
}

TEST(DosToWin, EveryByteUnderEverySetting) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string in = Bytes({b});
        const int letter = ExpectedDosLetter(b);
        const int plain = letter >= 0 ? letter : b;
        const int blanked = letter >= 0 ? letter : (kBlanked.count(b) ? 0x20 : b);

        EXPECT_EQ(DosToWin(in, WindowsTest::Off, false), Bytes({plain}));
        EXPECT_EQ(DosToWin(in, WindowsTest::Off, true), Bytes({blanked}));
        EXPECT_EQ(DosToWin(in, WindowsTest::Full, false), InFull(b) ? in : Bytes({plain}));
        EXPECT_EQ(DosToWin(in, WindowsTest::Full, true), InFull(b) ? in : Bytes({blanked}));
        EXPECT_EQ(DosToWin(in, WindowsTest::Narrow, true), InNarrow(b) ? in : Bytes({blanked}));
    }
}

TEST(DosToWin, WholeTextRules) {
    // Ёлка in code page 866 becomes Ёлка in code page 1251.
    EXPECT_EQ(DosToWin(Bytes({0xF0, 0xAB, 0xAA, 0xA0}), WindowsTest::Full, false), Bytes({0xA8, 0xEB, 0xEA, 0xE0}));
    // One code page 1251 capital anywhere leaves the whole text alone.
    const std::string windows = Bytes({0xAB, 0xD0, 0xAA});
    EXPECT_EQ(DosToWin(windows, WindowsTest::Full, true), windows);
    // A frame character (─) or № makes the text count as Windows text, letters included.
    const std::string framed = Bytes({0xAB, 0xC4, 0xAA});
    EXPECT_EQ(DosToWin(framed, WindowsTest::Full, true), framed);
    EXPECT_EQ(DosToWin(Bytes({0xAB, 0xFC}), WindowsTest::Full, false), Bytes({0xAB, 0xFC}));
    // ─ is outside the narrow set: converted and blanked there.
    EXPECT_EQ(DosToWin(framed, WindowsTest::Narrow, true), Bytes({0xEB, 0x20, 0xEA}));
    // │ab│ with the test off and blanking on.
    EXPECT_EQ(DosToWin(Bytes({0xB3, 'a', 'b', 0xB3}), WindowsTest::Off, true), Bytes({0x20, 'a', 'b', 0x20}));
    EXPECT_EQ(DosToWin("", WindowsTest::Full, true), "");
    // Longer texts are cut to 255 characters; the length is otherwise kept.
    EXPECT_EQ(DosToWin(std::string(300, 'x'), WindowsTest::Off, true).size(), 255u);
    EXPECT_EQ(WinToDos(std::string(300, 'x')).size(), 255u);
}

TEST(WinToDos, EveryByteAndRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        int expected = b;
        if (b >= 0xC0 && b <= 0xEF)
            expected = b - 0x40;
        else if (b >= 0xF0)
            expected = b - 0x10;
        else if (b == 0xA8)
            expected = 0xF0;
        else if (b == 0xB8)
            expected = 0xF1;
        EXPECT_EQ(WinToDos(Bytes({b})), Bytes({expected}));
        // ASCII and code page 866 letters come back unchanged through both conversions.
        if (b < 0x80 || ExpectedDosLetter(b) >= 0)
            EXPECT_EQ(WinToDos(DosToWin(Bytes({b}), WindowsTest::Off, false)), Bytes({b}));
    }
    // Pseudo-graphics 0xC0-0xDF pass DosToWin and come back from WinToDos as letters 0x80-0x9F.
    EXPECT_EQ(WinToDos(DosToWin(Bytes({0xC4}), WindowsTest::Off, false)), Bytes({0x84}));
}

TEST(Utf8, CodePagesToTheGlassAndBack) {
    EXPECT_EQ(Cp1251ToUtf8(Bytes({0xA8, 0xEB, 0xEA, 0xE0})), "Ёлка");
    EXPECT_EQ(Utf8ToCp1251("Ёлка №1"), Bytes({0xA8, 0xEB, 0xEA, 0xE0, ' ', 0xB9, '1'}));
    // Characters code page 1251 cannot hold become '?'.
    EXPECT_EQ(Utf8ToCp1251("a\u4E2Db\u2500"), "a?b?");
    EXPECT_EQ(Cp866ToUtf8(Bytes({0xC4, 0xB3, 0x8F})), "─│П");
    EXPECT_EQ(Utf8ToCp866("Профиль ─"), Bytes({0x8F, 0xE0, 0xAE, 0xE4, 0xA8, 0xAB, 0xEC, ' ', 0xC4}));
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(Bytes({b}))), Bytes({b})) << b;
        EXPECT_EQ(Utf8ToCp866(Cp866ToUtf8(Bytes({b}))), Bytes({b})) << b;
    }
}

}  // namespace
}  // namespace vakrel
