// The code page conversions. Properties: DosToWin and WinToDos keep the length (of at most 255
// bytes); WinToDos undoes DosToWin on letters and ASCII; the already-Windows test either leaves
// the text alone or converts it as without the test; and the UTF-8 tables of code pages 1251
// and 866 go there and back without loss.
#include <string>

#include "codepage.h"
#include "fuzz_check.h"

namespace {

using vakrel::WindowsTest;

// ASCII (0x00-0x7F), the letters А-п (0x80-0xAF), р-я (0xE0-0xEF), Ё and ё (0xF0, 0xF1).
bool IsLetterOrAscii(unsigned char b) { return b <= 0xAF || (b >= 0xE0 && b <= 0xF1); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = vakrel::fuzz::AsText(data, size);
    const std::string_view cut = text.substr(0, vakrel::kShortStringMax);

    for (bool blank : {false, true}) {
        const std::string plain = vakrel::DosToWin(text, WindowsTest::Off, blank);
        FUZZ_CHECK(plain.size() == cut.size());
        for (WindowsTest test : {WindowsTest::Full, WindowsTest::Narrow}) {
            const std::string tested = vakrel::DosToWin(text, test, blank);
            FUZZ_CHECK(tested == cut || tested == plain);
        }
    }
    FUZZ_CHECK(vakrel::WinToDos(text).size() == cut.size());

    std::string lettersAndAscii;
    for (unsigned char b : cut)
        if (IsLetterOrAscii(b)) lettersAndAscii += static_cast<char>(b);
    FUZZ_CHECK(vakrel::WinToDos(vakrel::DosToWin(lettersAndAscii, WindowsTest::Off, false)) == lettersAndAscii);

    FUZZ_CHECK(vakrel::Utf8ToCp1251(vakrel::Cp1251ToUtf8(text)) == text);
    FUZZ_CHECK(vakrel::Utf8ToCp866(vakrel::Cp866ToUtf8(text)) == text);
    // Any bytes taken as UTF-8: one code page byte at most per input byte.
    FUZZ_CHECK(vakrel::Utf8ToCp1251(text).size() <= text.size());
    FUZZ_CHECK(vakrel::Utf8ToCp866(text).size() <= text.size());
    return 0;
}
