#include "result_file.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "codepage.h"
#include "io_error.h"
#include "number_format.h"
#include "result_layout.h"
#include "text_file.h"

namespace vakrel {

namespace {

// Which list a coded line feeds and with what.
enum class Role { Count, Distance, Offset };
struct ListLine {
    std::size_t list;
    Role role;
};

// The list line whose code stands in the code columns as written: right-aligned in 3 columns.
std::optional<ListLine> ListLineOf(std::string_view codeColumns) {
    if (codeColumns.size() != kRezCodeWidth) return std::nullopt;
    const auto written = [&](int code) {
        const std::string digits = std::to_string(code);
        return codeColumns == std::string(kRezCodeWidth - digits.size(), ' ') + digits;
    };
    for (std::size_t list = 0; list < kResultListCodes.size(); ++list) {
        const ResultListCodes& codes = kResultListCodes[list];
        if (written(codes.count)) return ListLine{list, Role::Count};
        if (written(codes.distance)) return ListLine{list, Role::Distance};
        if (written(codes.offset)) return ListLine{list, Role::Offset};
    }
    return std::nullopt;
}

// The whole number a count field begins with: leading blanks skipped, the rest ignored.
long LeadingWholeNumber(const std::string& field) { return std::strtol(field.c_str(), nullptr, 10); }

// Reading state of one list: the count as the file gave it and the running index.
struct ListCursor {
    long announced = 0;
    long index = 0;
};

void Store(ResultList& list, ListCursor& cursor, Role role, const std::string& field) {
    ++cursor.index;
    const double value = ParseNumber(field).value_or(0.0);
    if (cursor.index >= 1 && cursor.index <= kResultListCapacity) {
        auto& slot = role == Role::Distance ? list.distance : list.offset;
        slot[static_cast<std::size_t>(cursor.index - 1)] = value;
    }
    // After the last distance the offsets are stored from entry 1 again.
    if (role == Role::Distance && cursor.index == cursor.announced) cursor.index = 0;
}

}  // namespace

std::string ReportLine(std::string_view fileLine) {
    return DosToWin(fileLine.substr(0, kShortStringMax), WindowsTest::Narrow, true);
}

ResultFile ParseResultFile(std::string_view bytes, const std::string& path) {
    ResultFile result;
    std::array<ListCursor, 3> cursors;
    LineReader in(bytes);
    while (!in.AtEnd()) {
        if (result.lines.size() == kMaxShownLines) throw IoError(kTooManyLinesMessage, path);
        std::string line = ReportLine(in.NextLine());
        const std::string_view code =
            std::string_view(line).substr(std::min(kRezCodeColumn, line.size()), kRezCodeWidth);
        if (const auto listLine = ListLineOf(code)) {
            std::string field = line.size() > kRezValueColumn ? line.substr(kRezValueColumn, kRezValueWidth) : "";
            std::replace(field.begin(), field.end(), ',', '.');
            ResultList& list = result.lists[listLine->list];
            ListCursor& cursor = cursors[listLine->list];
            if (listLine->role == Role::Count) {
                cursor.announced = LeadingWholeNumber(field);
                list.count = static_cast<int>(std::clamp<long>(cursor.announced, 0, kResultListCapacity));
            } else {
                Store(list, cursor, listLine->role, field);
            }
        }
        if (line.size() > kRezWidth) line.resize(kRezWidth);
        result.lines.push_back(std::move(line));
    }
    return result;
}

}  // namespace vakrel
