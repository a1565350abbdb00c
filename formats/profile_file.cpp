#include "profile_file.h"

#include <cmath>

#include "io_error.h"
#include "number_format.h"
#include "parameter_line.h"
#include "read_back.h"
#include "text_file.h"
#include "token_reader.h"

namespace vakrel {

namespace {

const char* const kTooManyPoints = "Профиль содержит более 1000 точек";

// A number after another on a point line: right-aligned in its field, and with a blank in front
// when it fills the field or is wider, so that two numbers never run together into one token.
std::string NextField(double value, int width, int decimals) {
    std::string text = FormatFixed(value, width, decimals);
    if (text.front() != ' ') text.insert(0, 1, ' ');
    return text;
}

void AppendHeader(std::string& out, const ProfileData& data) {
    for (const auto& line : data.header) {
        out += line;
        out += kLineEnd;
    }
}

}  // namespace

double HeightColumn(const ProfilePoint& point, std::size_t index, std::size_t count) {
    const bool end = index == 0 || index + 1 == count;
    return end ? point.groundHeight : point.groundHeight + point.objectHeight;
}

ProfileData ParseProfile(std::string_view bytes, const std::string& path) {
    ProfileData data;
    TokenReader in(bytes, path);
    for (auto& line : data.header) line = in.ReadLine();

    auto readPoint = [&](double distance, double heightColumn) {
        ProfilePoint p;
        p.distance = distance;
        p.typeCode = static_cast<std::uint8_t>(in.ReadInteger() & 0xFF);
        p.objectHeight = in.ReadNumber();
        p.groundHeight = heightColumn - p.objectHeight;
        in.SkipLine();
        return p;
    };

    double distance = in.ReadNumber();
    double heightColumn = in.ReadNumber();
    data.points.push_back(readPoint(distance, heightColumn));
    data.points.back().groundHeight = heightColumn;  // the first point carries its ground height
    for (;;) {
        if (in.OnlyBlanksLeft()) break;
        distance = in.ReadNumber();
        heightColumn = in.ReadNumber();
        if (distance == 0) break;  // the terminator line
        if (data.points.size() == kMaxProfilePoints) throw IoError(kTooManyPoints, path);
        data.points.push_back(readPoint(distance, heightColumn));
    }
    if (data.points.size() >= 2) {
        auto& last = data.points.back();
        last.groundHeight += last.objectHeight;  // the last point carries its ground height
    }
    return data;
}

ProfileData ReadProfileFile(const std::string& path) { return ParseProfile(ReadFileBytes(path), path); }

std::vector<ProfilePoint> ParseProfileBufferRows(std::string_view bytes, const std::string& path) {
    TokenReader in(bytes, path);
    for (int i = 0; i < kProfileHeaderLines; ++i) in.ReadLine();
    std::vector<ProfilePoint> rows;
    while (!in.OnlyBlanksLeft()) {
        const double distance = in.ReadNumber();
        const double height = in.ReadNumber();
        if (distance == 0 && !rows.empty()) break;  // the terminator row
        in.SkipLine();
        rows.push_back({distance, height, 0, 0.0});
    }
    return rows;
}

std::string FormatProfileEditorLayout(const ProfileData& data) {
    std::string out;
    AppendHeader(out, data);
    const std::size_t count = data.points.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto& p = data.points[i];
        if (i >= 1 && p.distance == 0) break;  // a file cannot carry a later point at distance 0
        out += FormatFixed(p.distance, 13, 3);
        out += NextField(HeightColumn(p, i, count), 15, 2);
        out += std::string(11, ' ');
        out += std::to_string(p.typeCode);
        out += NextField(p.objectHeight, 18, 2);
        out += kLineEnd;
    }
    out += "        0.000           0.00";
    out += kLineEnd;
    return out;
}

void WriteProfileFile(const std::string& path, ProfileData& data, std::string_view nameWin) {
    ProfileData written = data;
    written.header[2] = RebuildNameLine(data.header[2], nameWin);
    const std::string bytes = FormatProfileEditorLayout(written);
    ProfileData carried = written;
    for (std::size_t i = 1; i < carried.points.size(); ++i)
        if (carried.points[i].distance == 0) carried.points.resize(i);
    CheckProfileReadsBack(bytes, carried, ProfileLayout::Editor, path);
    WriteFileAtomically(path, bytes);
    data.header[2] = written.header[2];
}

namespace {

// Type code and object height of a compact row; the end rows stand on bare ground.
std::string ObjectFields(const ProfilePoint& p, bool endRow) {
    if (endRow) return "           0              0.00";
    std::string code = std::to_string(p.typeCode);
    return std::string(code.size() < 12 ? 12 - code.size() : 0, ' ') + code + NextField(p.objectHeight, 18, 2);
}

// The rows of a cut profile share their first two fields; `withObjects` adds the type code and
// object height of the compact layout.
std::string FormatCutRows(const ProfileData& cut, bool withObjects) {
    std::string out;
    AppendHeader(out, cut);
    const std::size_t count = cut.points.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto& p = cut.points[i];
        out += FormatFixed(p.distance, 12, 2);
        out += NextField(HeightColumn(p, i, count), 16, 2);
        if (withObjects) out += ObjectFields(p, i == 0 || i + 1 == count);
        out += kLineEnd;
    }
    out += "        0.0             0.0";
    out += kLineEnd;
    return out;
}

}  // namespace

int LeaveOutCollapsedPoints(ProfileData& cut) {
    auto& points = cut.points;
    if (points.size() < 3) return 0;
    // The distance as a cut row writes it, read back.
    auto written = [](double km) { return ParseNumber(FormatFixed(km, 0, 2)).value_or(std::nan("")); };
    const double end = written(points.back().distance);
    std::vector<ProfilePoint> kept{points.front()};
    double previous = written(points.front().distance);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const double at = written(points[i].distance);
        if (!(at > previous && at < end)) continue;
        kept.push_back(points[i]);
        previous = at;
    }
    kept.push_back(points.back());
    const int leftOut = static_cast<int>(points.size() - kept.size());
    points = std::move(kept);
    return leftOut;
}

std::string FormatProfileCompactLayout(const ProfileData& cut) { return FormatCutRows(cut, true); }

std::string FormatProfileBufferLayout(const ProfileData& cut) { return FormatCutRows(cut, false); }

}  // namespace vakrel
