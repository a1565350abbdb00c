#pragma once
// Free-format number tokens of the profile files: blanks, tabs and line ends before a number
// are skipped, and the number runs to the next blank, control character or line end.

#include <cstdint>
#include <string>
#include <string_view>

#include "text_file.h"

namespace vakrel {

class TokenReader {
public:
    // `bytes` must outlive the reader; it ends at the first Ctrl-Z.
    TokenReader(std::string_view bytes, std::string path);

    // The next number; 0 when the end of the file comes first. Throws IoError
    // "Invalid numeric input" for a token that is not a number.
    double ReadNumber();
    // The next integer (no point, no exponent); its low 32 bits. Throws as ReadNumber.
    std::int64_t ReadInteger();
    // Skips to the start of the next line.
    void SkipLine();
    // True when nothing but blanks, control characters and line ends is left.
    bool OnlyBlanksLeft() const;
    // The header lines come first, read by the line rule.
    std::string ReadLine() { return lines_.ReadLine(); }

private:
    std::string_view NextToken();

    LineReader lines_;
    std::string path_;
};

}  // namespace vakrel
