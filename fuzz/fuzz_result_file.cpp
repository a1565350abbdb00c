// The report's reader of the engine's result file. Properties: one shown line of at most 76
// columns for every line of the file, and a refusal only for more than kMaxShownLines lines;
// list counts held to 0..20 and finite values; and the lists read, written again by the
// engine's own coded-line writer, read back as the same counts and as the values of their
// written fields, so that writer and reader agree on the layout.
#include <cmath>

#include "fuzz_check.h"
#include "io_error.h"
#include "number_format.h"
#include "result_file.h"
#include "rez_lines.h"
#include "text_file.h"

namespace {

struct ListCodes {
    int count, distance, offset;
};
constexpr ListCodes kCodes[] = {{58, 102, 103}, {59, 89, 91}, {60, 75, 81}};

std::size_t LineCount(std::string_view bytes) {
    vakrel::LineReader in(bytes);
    std::size_t count = 0;
    for (; !in.AtEnd(); ++count) in.ReadLine();
    return count;
}

double AsWritten(double value) {
    std::string field = vakrel::FormatCodedValue(value);
    return vakrel::ParseNumber(field).value_or(NAN);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = vakrel::fuzz::AsText(data, size);
    const std::size_t lines = LineCount(bytes);
    vakrel::ResultFile read;
    try {
        read = vakrel::ParseResultFile(bytes);
    } catch (const vakrel::IoError& e) {
        // Only a text longer than the shown-line limit is refused.
        FUZZ_CHECK(lines > vakrel::kMaxShownLines);
        FUZZ_CHECK(e.userMessage() == std::string(vakrel::kTooManyLinesMessage) + ".");
        return 0;
    }
    FUZZ_CHECK(read.lines.size() == lines);
    for (const auto& line : read.lines) FUZZ_CHECK(line.size() <= vakrel::kRezWidth);

    vakrel::RezText rez;
    rez.Line("written again");
    for (std::size_t l = 0; l < 3; ++l) {
        const vakrel::ResultList& list = read.lists[l];
        FUZZ_CHECK(list.count >= 0 && list.count <= vakrel::kResultListCapacity);
        for (int i = 0; i < vakrel::kResultListCapacity; ++i)
            FUZZ_CHECK(std::isfinite(list.distance[i]) && std::isfinite(list.offset[i]));
        rez.Coded(kCodes[l].count, "count", list.count);
        for (int i = 0; i < list.count; ++i) rez.Coded(kCodes[l].distance, "distance, km", list.distance[i]);
        for (int i = 0; i < list.count; ++i) rez.Coded(kCodes[l].offset, "offset, m", list.offset[i]);
    }
    const vakrel::ResultFile back = vakrel::ParseResultFile(rez.bytes());
    for (std::size_t l = 0; l < 3; ++l) {
        const vakrel::ResultList& was = read.lists[l];
        const vakrel::ResultList& now = back.lists[l];
        FUZZ_CHECK(now.count == was.count);
        for (int i = 0; i < was.count; ++i) {
            FUZZ_CHECK(now.distance[i] == AsWritten(was.distance[i]));
            FUZZ_CHECK(now.offset[i] == AsWritten(was.offset[i]));
        }
    }
    return 0;
}
