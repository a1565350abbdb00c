#include "read_back.h"

#include <cmath>
#include <limits>

#include "io_error.h"
#include "parameter_line.h"
#include "text_file.h"

namespace vakrel {

namespace {

// Whether `read` is `meant` written with `decimals` decimals: off by at most half the last
// written digit, with room for the binary error of a large value.
bool WithinRounding(double read, double meant, int decimals) {
    const double halfDigit = 0.5 * std::pow(10.0, -decimals);
    const double binary = 4 * std::numeric_limits<double>::epsilon() * std::fabs(meant);
    return std::fabs(read - meant) <= halfDigit * (1 + 1e-9) + binary;
}

[[noreturn]] void Refuse(const std::string& what, const std::string& path) {
    throw IoError(std::string(kReadBackMessage) + " (" + what + ")", path);
}

std::vector<ProfilePoint> ReadBack(std::string_view bytes, ProfileLayout layout, const std::string& path) {
    try {
        return layout == ProfileLayout::Buffer ? ParseProfileBufferRows(bytes, path) : ParseProfile(bytes, path).points;
    } catch (const IoError& error) {
        Refuse(error.userMessage(), path);
    }
}

bool SamePoint(const ProfilePoint& read, const ProfilePoint& meant, std::size_t index, std::size_t count,
               ProfileLayout layout) {
    const int distanceDecimals = layout == ProfileLayout::Editor ? 3 : 2;
    if (!WithinRounding(read.distance, meant.distance, distanceDecimals)) return false;
    if (!WithinRounding(HeightColumn(read, index, count), HeightColumn(meant, index, count), 2)) return false;
    if (layout == ProfileLayout::Buffer) return true;
    return read.typeCode == meant.typeCode && WithinRounding(read.objectHeight, meant.objectHeight, 2);
}

}  // namespace

void CheckProfileReadsBack(std::string_view bytes, const ProfileData& meant, ProfileLayout layout,
                           const std::string& path) {
    const std::vector<ProfilePoint> read = ReadBack(bytes, layout, path);
    const std::size_t count = meant.points.size();
    if (read.size() != count) Refuse("точек " + std::to_string(read.size()) + " вместо " + std::to_string(count), path);
    for (std::size_t i = 0; i < count; ++i)
        if (!SamePoint(read[i], meant.points[i], i, count, layout)) Refuse("точка " + std::to_string(i + 1), path);
}

void CheckParametersReadBack(std::string_view bytes, const double* meant, int count, int firstParamLine,
                             const std::string& path) {
    LineReader in(bytes);
    for (int line = 1; line < firstParamLine; ++line) in.ReadLine();
    for (int k = 0; k < count; ++k) {
        // A value written where the field cannot hold it (a kept line too short to reach the
        // field's columns) reads as 0: harmless only for a 0.
        if (!WithinRounding(ReadValueField(in.ReadLine()), meant[k], 3))
            Refuse("параметр " + std::to_string(k + 1), path);
    }
}

}  // namespace vakrel
