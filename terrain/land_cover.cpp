#include "land_cover.h"

#include <algorithm>
#include <cmath>

#include "terrain_refusal.h"

namespace vakrel {

namespace {

struct ClassObjects {
    int worldCoverClass;
    GroundObjects objects;
};

// The table of land_cover.h.
constexpr ClassObjects kClassTable[] = {
    {10, {1, 15}}, {20, {1, 3}}, {30, {0, 0}}, {40, {0, 0}},  {50, {3, 10}}, {60, {4, 0}},
    {70, {0, 0}},  {80, {2, 0}}, {90, {6, 0}}, {95, {1, 10}}, {100, {0, 0}},
};

}  // namespace

GroundObjects ObjectsOfLandCoverClass(int worldCoverClass) {
    for (const auto& row : kClassTable)
        if (row.worldCoverClass == worldCoverClass) return row.objects;
    return {};
}

LandCover::LandCover(const std::string& path, const std::vector<GeoPoint>& along)
    : path_(path), classes_({path}, "покрова", along) {}

GroundObjects LandCover::At(GeoPoint point) {
    const auto cell = classes_.Locate(point);
    if (!cell) throw TerrainRefusal("точка пути " + FormatGeoPoint(point) + " лежит вне растра покрова " + path_);
    const int x = std::clamp(static_cast<int>(std::lround(cell->x)), 0, classes_.width() - 1);
    const int y = std::clamp(static_cast<int>(std::lround(cell->y)), 0, classes_.height() - 1);
    const auto value = classes_.Cell(x, y);
    if (!value || !(*value >= 0 && *value <= 255)) return {};  // no class (NaN, a fill value): open ground
    return ObjectsOfLandCoverClass(static_cast<int>(*value));
}

}  // namespace vakrel
