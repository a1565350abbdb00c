#include "profile_grid_rules.h"

#include <cmath>

#include "number_format.h"

namespace vakrel {

namespace {

constexpr double kMaxTypeCode = 8;

// Moves a trailing sign of a text longer than one character to its front: "12-" -> "-12".
std::string SignToFront(std::string_view text) {
    std::string s(text);
    if (s.size() > 1 && (s.back() == '+' || s.back() == '-')) {
        const char sign = s.back();
        s.pop_back();
        s.insert(s.begin(), sign);
    }
    return s;
}

// Commas become points, a lone trailing point gains a "0"; a second point refuses the text.
std::optional<double> ParseTypedNumber(std::string s) {
    bool pointSeen = false;
    const std::size_t walked = s.size();
    for (std::size_t i = 0; i < walked; ++i) {
        if (s[i] == ',') s[i] = '.';
        if (s[i] != '.') continue;
        if (pointSeen) return std::nullopt;
        pointSeen = true;
        if (i + 1 == walked) s += '0';
    }
    return ParseNumber(s);
}

bool Refused(int col, int row, double value) {
    if (col == static_cast<int>(ProfileColumn::Distance)) return row == 1 || (row == 2 && value == 0);
    if (col == static_cast<int>(ProfileColumn::TypeCode)) return value > kMaxTypeCode || value < 0;
    return false;
}

void Store(ProfilePoint& point, int col, double value) {
    switch (static_cast<ProfileColumn>(col)) {
        case ProfileColumn::Distance: point.distance = value; break;
        case ProfileColumn::GroundHeight: point.groundHeight = value; break;
        case ProfileColumn::TypeCode: point.typeCode = static_cast<std::uint8_t>(std::trunc(value)); break;
        case ProfileColumn::ObjectHeight: point.objectHeight = value; break;
    }
}

}  // namespace

ProfileCellOutcome ApplyProfileCellText(std::vector<ProfilePoint>& points, int col, int row, std::string_view typed) {
    const int n = static_cast<int>(points.size());
    const bool distance = col == static_cast<int>(ProfileColumn::Distance);
    if (row > n + 1) return {ProfileCellAction::Empty, false};
    if (row == n + 1 && (!distance || typed != "+")) return {ProfileCellAction::Empty, false};

    std::string text(typed);
    if (distance && row >= 2 && !text.empty()) {
        text = SignToFront(text);
        if (text.front() == '+' && n < kMaxProfilePoints) return {ProfileCellAction::AskInsert, false};
        if (text.front() == '-' && n >= 3) return {ProfileCellAction::AskDelete, false};
    }

    if (text.empty()) return {ProfileCellAction::Restore, true};
    auto value = ParseTypedNumber(text);
    if (!value || Refused(col, row, *value) || row > n) return {ProfileCellAction::Restore, true};
    Store(points[static_cast<std::size_t>(row - 1)], col, *value);
    return {ProfileCellAction::Stored, true};
}

std::string ProfileCellText(const std::vector<ProfilePoint>& points, int col, int row, char separator) {
    if (row < 1 || row > static_cast<int>(points.size())) return {};
    const ProfilePoint& point = points[static_cast<std::size_t>(row - 1)];
    switch (static_cast<ProfileColumn>(col)) {
        case ProfileColumn::Distance: return FormatGeneral(point.distance, separator);
        case ProfileColumn::GroundHeight: return FormatGeneral(point.groundHeight, separator);
        case ProfileColumn::TypeCode: return std::to_string(point.typeCode);
        case ProfileColumn::ObjectHeight: return FormatGeneral(point.objectHeight, separator);
    }
    return {};
}

void InsertProfilePoint(std::vector<ProfilePoint>& points, int row) {
    const auto at = static_cast<std::size_t>(row - 1);
    for (std::size_t i = at; i < points.size(); ++i) points[i].distance = RoundToHundredths(points[i].distance);
    ProfilePoint inserted = points[at - 1];
    inserted.distance = RoundToHundredths(static_cast<long double>(points[at - 1].distance) + 0.01L);
    points.insert(points.begin() + static_cast<std::ptrdiff_t>(at), inserted);
}

void DeleteProfilePoint(std::vector<ProfilePoint>& points, int row) { points.erase(points.begin() + row - 1); }

}  // namespace vakrel
