#include "elevation_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "codepage.h"
#include "land_cover.h"
#include "profile_header.h"
#include "raster_mosaic.h"
#include "terrain_refusal.h"

namespace vakrel {

namespace {

// The rasters that join the mosaic are chosen by points this far apart along the path.
constexpr double kTileChoiceStepMetres = 100;
// The profile file keeps distances to 0.001 km, and a later point written at 0 would end it:
// points are never closer than this.
constexpr double kMinSpacingMetres = 1;

void CheckPoint(GeoPoint point, const char* which) {
    if (!(std::fabs(point.lat) <= 90))
        throw TerrainRefusal(std::string(which) + ": широта " + FormatGeoPoint(point) + " вне пределов -90...90");
    if (!(std::fabs(point.lon) <= 180))
        throw TerrainRefusal(std::string(which) + ": долгота " + FormatGeoPoint(point) + " вне пределов -180...180");
}

std::string KmText(double km) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", km);
    return text;
}

// 3.4e+38, -600, 9500.5, inf.
std::string HeightText(double metres) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", metres);
    return text;
}

std::string GroundRangeText() { return HeightText(kLowestGround) + "..." + HeightText(kHighestGround) + " м"; }

}  // namespace

void CheckProfileRequest(const ProfileRequest& request) {
    CheckPoint(request.from, "начало пути");
    CheckPoint(request.to, "конец пути");
    if (request.maxPoints < 2 || request.maxPoints > kMaxProfilePoints)
        throw TerrainRefusal("число точек " + std::to_string(request.maxPoints) + " вне пределов 2...1000");
    const double km = GeodesicLengthMetres(request.from, request.to) / 1000;
    if (km * 1000 < kMinSpacingMetres)
        throw TerrainRefusal("начало и конец пути совпадают (между ними меньше 1 м): " + FormatGeoPoint(request.from));
    if (km > kMaxProfileLengthKm)
        throw TerrainRefusal("путь " + FormatGeoPoint(request.from) + " - " + FormatGeoPoint(request.to) + " длиной " +
                             KmText(km) + " км длиннее " + KmText(kMaxProfileLengthKm) + " км, что вмещает профиль");
    if (request.demPaths.empty()) throw TerrainRefusal("не задана карта высот (--dem)");
}

double GroundHeightAt(RasterMosaic& dem, GeoPoint point) {
    const auto cell = dem.Locate(point);
    if (!cell) throw TerrainRefusal("точка пути " + FormatGeoPoint(point) + " лежит вне всех растров высот");
    const double x = std::clamp(cell->x, 0.0, dem.width() - 1.0);
    const double y = std::clamp(cell->y, 0.0, dem.height() - 1.0);
    const int nearX = static_cast<int>(std::lround(x));
    const int nearY = static_cast<int>(std::lround(y));
    const auto near = dem.Cell(nearX, nearY);
    if (!near) throw TerrainRefusal("точка пути " + FormatGeoPoint(point) + " попадает на ячейку без данных высот");
    const int x0 = std::min(static_cast<int>(x), std::max(dem.width() - 2, 0));
    const int y0 = std::min(static_cast<int>(y), std::max(dem.height() - 2, 0));
    const double fx = x - x0;
    const double fy = y - y0;
    double sum = 0;
    double weights = 0;
    for (int dy = 0; dy <= 1; ++dy) {
        for (int dx = 0; dx <= 1; ++dx) {
            const double w = (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy);
            if (w == 0 || x0 + dx >= dem.width() || y0 + dy >= dem.height()) continue;
            if (const auto value = dem.Cell(x0 + dx, y0 + dy)) {
                // A NaN would turn the sum into NaN, an infinity into infinity: neither is mixed in.
                if (std::isnan(*value))
                    throw TerrainRefusal("точка пути " + FormatGeoPoint(point) +
                                         ": высота ячейки растра не число (NaN)");
                if (std::isinf(*value))
                    throw TerrainRefusal("точка пути " + FormatGeoPoint(point) + ": высота ячейки растра " +
                                         HeightText(*value) + " м вне пределов " + GroundRangeText());
                sum += w * *value;
                weights += w;
            }
        }
    }
    const double height = weights > 0 ? sum / weights : *near;
    if (!(height >= kLowestGround && height <= kHighestGround))
        throw TerrainRefusal("точка пути " + FormatGeoPoint(point) + ": высота " + HeightText(height) +
                             " м вне пределов " + GroundRangeText());
    return height;
}

BuiltProfile BuildProfile(const ProfileRequest& request, const ProfileProgress& progress) {
    CheckProfileRequest(request);
    const double metres = GeodesicLengthMetres(request.from, request.to);
    std::vector<GeoPoint> along;
    for (const PathPoint& p :
         GeodesicPath(request.from, request.to, PointCountForSpacing(metres, kTileChoiceStepMetres, 4000)))
        along.push_back(p.at);
    RasterMosaic dem(request.demPaths, "высот", along);
    std::unique_ptr<LandCover> cover;
    if (!request.landCoverPath.empty()) cover = std::make_unique<LandCover>(request.landCoverPath, along);

    const GeoPoint middle{(request.from.lat + request.to.lat) / 2, request.from.lon};
    const int count =
        PointCountForSpacing(metres, std::max(dem.CellSizeMetres(middle), kMinSpacingMetres), request.maxPoints);
    const std::vector<PathPoint> path = GeodesicPath(request.from, request.to, count);
    std::vector<GeoPoint> points;
    points.reserve(path.size());
    for (const PathPoint& p : path) points.push_back(p.at);
    dem.ReadAround(points);
    if (cover) cover->ReadAround(points);

    BuiltProfile built;
    built.data.points.reserve(path.size());
    for (const PathPoint& p : path) {
        ProfilePoint point;
        point.distance = p.distanceKm;
        point.groundHeight = GroundHeightAt(dem, p.at);
        if (cover) {
            const GroundObjects objects = cover->At(p.at);
            point.typeCode = objects.typeCode;
            point.objectHeight = objects.heightMetres;
        }
        built.data.points.push_back(point);
        if (progress) progress(static_cast<int>(built.data.points.size()), count);
    }

    const std::string name =
        request.name.empty() ? FormatGeoPoint(request.from) + " - " + FormatGeoPoint(request.to) : request.name;
    built.nameWin = Utf8ToCp1251(name);
    ProfileHeaderFacts facts;
    facts.from = request.from;
    facts.to = request.to;
    facts.lengthKm = metres / 1000;
    facts.pointCount = count;
    facts.demPaths = request.demPaths;
    facts.landCoverPath = request.landCoverPath;
    built.data.header = ProfileHeader(facts);
    return built;
}

}  // namespace vakrel
