// The line rule of the data files. Properties: every byte before Ctrl-Z is either in a line or
// is a line end that the rule consumes (a CR and one LF right after it); no line holds a CR or
// Ctrl-Z; and the lines written back with CR LF read back as the same lines.
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text_file.h"

namespace {

std::vector<std::string> ReadAllLines(std::string_view text) {
    vakrel::LineReader in(text);
    std::vector<std::string> lines;
    while (!in.AtEnd()) {
        lines.push_back(in.ReadLine());
        FUZZ_CHECK(lines.size() <= text.size() + 1);  // every line consumes at least one byte
    }
    FUZZ_CHECK(in.ReadLine().empty());  // reading past the end gives empty lines
    FUZZ_CHECK(in.ReadLine().empty());
    return lines;
}

// The text without the line ends the rule consumes: each CR and one LF right after it.
std::string WithoutLineEnds(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = vakrel::fuzz::AsText(data, size);
    const std::string_view text = input.substr(0, input.find('\x1A'));

    const std::vector<std::string> lines = ReadAllLines(input);
    std::string joined, written;
    for (const auto& line : lines) {
        FUZZ_CHECK(line.find('\r') == std::string::npos);
        FUZZ_CHECK(line.find('\x1A') == std::string::npos);
        joined += line;
        written += line;
        written += vakrel::kLineEnd;
    }
    FUZZ_CHECK(joined == WithoutLineEnds(text));
    FUZZ_CHECK(ReadAllLines(written) == lines);
    return 0;
}
