#include "result_file.h"

#include <algorithm>
#include <cstdlib>

#include "codepage.h"
#include "io_error.h"
#include "number_format.h"
#include "text_file.h"

namespace vakrel {

namespace {

constexpr std::size_t kCodeColumn = 2;    // 0-based column 3
constexpr std::size_t kCodeWidth = 3;     // columns 3-5
constexpr std::size_t kFieldColumn = 65;  // 0-based column 66
constexpr std::size_t kFieldWidth = 10;   // columns 66-75

// Which list a coded line feeds and with what.
enum class Role { Count, Distance, Offset };
struct Code {
    const char* text;
    ResultListId list;
    Role role;
};
constexpr Code kCodes[] = {
    {" 58", kListA, Role::Count}, {"102", kListA, Role::Distance}, {"103", kListA, Role::Offset},
    {" 59", kListB, Role::Count}, {" 89", kListB, Role::Distance}, {" 91", kListB, Role::Offset},
    {" 60", kListC, Role::Count}, {" 75", kListC, Role::Distance}, {" 81", kListC, Role::Offset},
};

// The whole number a count field begins with: leading blanks skipped, the rest ignored.
long LeadingWholeNumber(const std::string& field) {
    return std::strtol(field.c_str(), nullptr, 10);
}

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
        const std::string_view code = std::string_view(line).substr(std::min(kCodeColumn, line.size()), kCodeWidth);
        for (const Code& c : kCodes) {
            if (code != c.text) continue;
            std::string field = line.size() > kFieldColumn ? line.substr(kFieldColumn, kFieldWidth) : "";
            std::replace(field.begin(), field.end(), ',', '.');
            ResultList& list = result.lists[c.list];
            ListCursor& cursor = cursors[c.list];
            if (c.role == Role::Count) {
                cursor.announced = LeadingWholeNumber(field);
                list.count = static_cast<int>(std::clamp<long>(cursor.announced, 0, kResultListCapacity));
            } else {
                Store(list, cursor, c.role, field);
            }
            break;
        }
        if (line.size() > kReportWidth) line.resize(kReportWidth);
        result.lines.push_back(std::move(line));
    }
    return result;
}

}  // namespace vakrel
