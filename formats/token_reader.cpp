#include "token_reader.h"

#include <charconv>

#include "io_error.h"
#include "number_format.h"

namespace vakrel {

namespace {

// Blanks, tabs, CR, LF and every other control character separate tokens.
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

TokenReader::TokenReader(std::string_view bytes, std::string path) : lines_(bytes), path_(std::move(path)) {}

std::string_view TokenReader::NextToken() {
    std::string_view rest = lines_.Rest();
    std::size_t start = 0;
    while (start < rest.size() && IsSeparator(rest[start])) ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    lines_.Advance(end);
    return rest.substr(start, end - start);
}

double TokenReader::ReadNumber() {
    std::string_view token = NextToken();
    if (token.empty()) return 0;  // the end of the file came first
    auto value = ParseNumber(token);
    if (!value) throw IoError(IoErrorKind::InvalidNumericInput, path_);
    return *value;
}

std::int64_t TokenReader::ReadInteger() {
    std::string_view token = NextToken();
    if (token.empty()) return 0;
    if (token.front() == '+') token.remove_prefix(1);
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size() || token.empty() || token.front() == '+')
        throw IoError(IoErrorKind::InvalidNumericInput, path_);
    return value;
}

void TokenReader::SkipLine() { lines_.NextLine(); }

bool TokenReader::OnlyBlanksLeft() const {
    for (char c : lines_.Rest())
        if (!IsSeparator(c)) return false;
    return true;
}

}  // namespace vakrel
