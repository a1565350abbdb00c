// Profiles built over rasters that the tests write: distances against the geodesic, heights
// against the surface the raster was made from, the spacing and the point limit, the object
// codes from land cover, and every refusal.

#include "elevation_profile.h"

#include <gtest/gtest.h>
#include <ogr_spatialref.h>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <filesystem>
#include <memory>

#include "land_cover.h"
#include "temp_dir.h"
#include "terrain_refusal.h"
#include "test_rasters.h"

namespace vakrel {
namespace {

using test::GridSpec;
using test::Surface;

// The point `km` along the geodesic, from GeographicLib's direct problem.
GeoPoint AlongGeodesic(GeoPoint from, GeoPoint to, double km) {
    const auto& wgs84 = GeographicLib::Geodesic::WGS84();
    double s12 = 0, azi1 = 0, azi2 = 0;
    wgs84.Inverse(from.lat, from.lon, to.lat, to.lon, s12, azi1, azi2);
    GeoPoint at;
    wgs84.Direct(from.lat, from.lon, azi1, km * 1000, at.lat, at.lon);
    return at;
}

ProfileRequest Request(GeoPoint from, GeoPoint to, std::string dem, std::string landCover = {}, int maxPoints = 1000) {
    ProfileRequest request;
    request.from = from;
    request.to = to;
    request.demPaths = {std::move(dem)};
    request.landCoverPath = std::move(landCover);
    request.maxPoints = maxPoints;
    return request;
}

double GeodesicKm(GeoPoint from, GeoPoint to) {
    double s12 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(from.lat, from.lon, to.lat, to.lon, s12);
    return s12 / 1000;
}

// A 0.5 x 0.3 degree grid of 0.001 degree cells over 37.0-37.5 E, 55.7-56.0 N.
const GridSpec kGrid{37.0, 56.0, 0.001, 500, 300, "WGS84", std::nullopt};
const Surface kPlane = [](double lat, double lon) { return 100 + 2000 * (lon - 37) + 3000 * (lat - 55.7); };
const Surface kHill = [](double lat, double lon) {
    const double dlat = (lat - 55.85) / 0.02, dlon = (lon - 37.25) * 0.56 / 0.02;
    return 150 + 200 * std::exp(-(dlat * dlat + dlon * dlon));
};
// A plane in metres of UTM zone 37N, over a raster in that projection.
const char* const kUtm37 = "EPSG:32637";
const GridSpec kUtmGrid{360000, 6215000, 100, 500, 400, kUtm37, std::nullopt};
const Surface kUtmPlane = [](double y, double x) { return 120 + 0.004 * (x - 360000) + 0.002 * (y - 6175000); };
const Surface kUtmPlaneAtLatLon = [](double lat, double lon) {
    OGRSpatialReference wgs84, utm;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    utm.SetFromUserInput(kUtm37);
    utm.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    std::unique_ptr<OGRCoordinateTransformation> toUtm(OGRCreateCoordinateTransformation(&wgs84, &utm));
    double x = lon, y = lat;
    toUtm->Transform(1, &x, &y);
    return kUtmPlane(y, x);
};
const Surface kWaves = [](double lat, double lon) { return 150 + 40 * std::sin(3 * lat) + 60 * std::cos(2 * lon); };

struct Terrain : testing::Test {
    test::TempDir dir;

    std::string Tiff(const std::string& name, const Surface& surface, GridSpec grid = kGrid) {
        test::WriteGeoTiff(dir.file(name), grid, surface);
        return dir.file(name);
    }
    // Two tiles of the plane without nodata in one folder: one over 37.0-37.25 E, the other east
    // of it over its northern half only, so that a gap lies east of the first one's south.
    std::string TilesWithGap() {
        std::filesystem::create_directory(dir.file("gap"));
        GridSpec west = kGrid, northEast = kGrid;
        west.cols = 250;
        northEast.west = 37.25;
        northEast.cols = 250;
        northEast.rows = 150;
        test::WriteGeoTiff(dir.file("gap/west.tif"), west, kPlane);
        test::WriteGeoTiff(dir.file("gap/north_east.tif"), northEast, kPlane);
        return dir.file("gap");
    }
    // One SRTM tile (55-56 N, 37-38 E) alone in its folder, without the side file (.aux.xml) that
    // would send it to GDAL's SRTM driver.
    std::string HgtTile() {
        std::filesystem::create_directory(dir.file("tile"));
        const std::string tile = test::WriteHgtTile(dir.file("tile"), 55, 37, kWaves);
        std::filesystem::remove(tile + ".aux.xml");
        return tile;
    }
    // Two SRTM tiles side by side (37-38 E and 38-39 E) in one folder, with a text beside them.
    std::string HgtFolder() {
        std::filesystem::create_directory(dir.file("srtm"));
        test::WriteHgtTile(dir.file("srtm"), 55, 37, kWaves);
        test::WriteHgtTile(dir.file("srtm"), 55, 38, kWaves);
        dir.write("srtm/notes.txt", "tiles for the test\n");
        return dir.file("srtm");
    }
};

double EastWestMetres(double degrees, double lat) { return degrees * 111320 * std::cos(lat * M_PI / 180); }

struct SurfaceCase {
    const char* name;
    std::string (*raster)(Terrain&);
    Surface surface;
    GeoPoint from, to;
    double cellMetres;  // the shorter side
    double tolerance;   // m
};

TEST_F(Terrain, HeightsFollowTheSurfaceAlongTheGeodesic) {
    // clang-format off
    const SurfaceCase cases[] = {
        {"plane, bilinear exact", [](Terrain& t) { return t.Tiff("plane.tif", kPlane); }, kPlane,
         {55.75, 37.05}, {55.95, 37.45}, EastWestMetres(0.001, 55.85), 1e-3},
        {"smooth hill", [](Terrain& t) { return t.Tiff("hill.tif", kHill); }, kHill,
         {55.85, 37.05}, {55.85, 37.45}, EastWestMetres(0.001, 55.85), 0.2},
        {"two SRTM tiles, across their edge", [](Terrain& t) { return t.HgtFolder(); }, kWaves,
         {55.5, 37.8}, {55.6, 38.2}, EastWestMetres(1.0 / 1200, 55.55), 0.75},
        {"one SRTM tile, read as its raw grid", [](Terrain& t) { return t.HgtTile(); }, kWaves,
         {55.2, 37.1}, {55.5, 37.6}, EastWestMetres(1.0 / 1200, 55.35), 0.75},
        {"along the edge of a tile, beside a gap and then beside the next tile",
         [](Terrain& t) { return t.TilesWithGap(); }, kPlane,
         {55.75, 37.2497}, {55.98, 37.2497}, EastWestMetres(0.001, 55.865), 0.7},
        {"projected raster (UTM 37N)", [](Terrain& t) { return t.Tiff("utm.tif", kUtmPlane, kUtmGrid); },
         kUtmPlaneAtLatLon, {55.78, 37.1}, {55.95, 37.5}, 100, 1e-3},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileRequest request = Request(c.from, c.to, c.raster(*this));
        const BuiltProfile built = BuildProfile(request);
        const auto& points = built.data.points;
        ASSERT_GE(points.size(), 2u);
        EXPECT_EQ(points.front().distance, 0);
        EXPECT_NEAR(points.back().distance, GeodesicKm(c.from, c.to), 1e-9);
        const double spacingMetres = points.back().distance * 1000 / (points.size() - 1);
        EXPECT_LE(spacingMetres, c.cellMetres * 1.001);
        EXPECT_GT(spacingMetres, c.cellMetres * 0.95);
        for (const auto& p : points) {
            const GeoPoint at = AlongGeodesic(c.from, c.to, p.distance);
            ASSERT_NEAR(p.groundHeight, c.surface(at.lat, at.lon), c.tolerance) << "at " << p.distance << " km";
            ASSERT_EQ(p.typeCode, 0);
            ASSERT_EQ(p.objectHeight, 0);
        }
    }
}

// The raw read of an SRTM tile against GDAL's SRTMHGT driver, which reads the same tile once a
// side file (.aux.xml) lies beside it: on a surface that changes by about 100 m from one cell
// to the next, any shift of the grid would show.
TEST_F(Terrain, AnSrtmTileReadRawGivesTheHeightsOfGdalsDriver) {
    const Surface steep = [](double lat, double lon) { return 2000 + 1500 * std::sin(90 * lat) * std::cos(70 * lon); };
    std::filesystem::create_directory(dir.file("raw"));
    std::filesystem::create_directory(dir.file("driver"));
    const std::string raw = test::WriteHgtTile(dir.file("raw"), 55, 37, steep);
    std::filesystem::remove(raw + ".aux.xml");
    const std::string driver = test::WriteHgtTile(dir.file("driver"), 55, 37, steep);
    dir.write("driver/N55E037.hgt.aux.xml", "<PAMDataset></PAMDataset>\n");
    for (const auto& [from, to] : {std::pair<GeoPoint, GeoPoint>{{55.2, 37.1}, {55.5, 37.6}},
                                   {{55.0004, 37.0004}, {55.9996, 37.0004}},  // along the western edge
                                   {{55.9995, 37.0005}, {55.9995, 37.3}}}) {  // along the northern edge
        const auto a = BuildProfile(Request(from, to, raw)).data.points;
        const auto b = BuildProfile(Request(from, to, driver)).data.points;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].groundHeight, b[i].groundHeight) << i;
    }
}

TEST_F(Terrain, PointLimit) {
    const std::string plane = Tiff("plane.tif", kPlane);
    const std::string srtm = HgtFolder();
    struct Case {
        std::string dem;
        GeoPoint from, to;
        int maxPoints;
        std::size_t expected;
    } cases[] = {
        {srtm, {55.1, 37.1}, {55.9, 38.9}, 1000, 1000},  // 140 km of 3" cells: widened to the limit
        {plane, {55.75, 37.05}, {55.95, 37.45}, 50, 50},
        {plane, {55.75, 37.05}, {55.95, 37.45}, 2, 2},
    };
    for (const auto& c : cases) {
        const ProfileRequest request = Request(c.from, c.to, c.dem, {}, c.maxPoints);
        const auto points = BuildProfile(request).data.points;
        EXPECT_EQ(points.size(), c.expected);
        EXPECT_NEAR(points.back().distance, GeodesicKm(c.from, c.to), 1e-9);
    }
}

TEST_F(Terrain, LandCoverGivesObjectCodesAndHeights) {
    test::WriteGeoTiff(
        dir.file("cover.tif"), kGrid, [](double, double lon) { return lon < 37.25 ? 10 : 80; }, true);
    const GeoPoint from{55.85, 37.05}, to{55.86, 37.45};
    const ProfileRequest request = Request(from, to, Tiff("plane.tif", kPlane), dir.file("cover.tif"));
    int trees = 0, water = 0;
    for (const auto& p : BuildProfile(request).data.points) {
        const double lon = AlongGeodesic(from, to, p.distance).lon;
        if (std::fabs(lon - 37.25) < 0.001) continue;  // the cell on the boundary
        const bool west = lon < 37.25;
        EXPECT_EQ(p.typeCode, west ? 1 : 2);
        EXPECT_EQ(p.objectHeight, west ? 15 : 0);
        (west ? trees : water)++;
    }
    EXPECT_GT(trees, 100);
    EXPECT_GT(water, 100);
}

TEST(LandCoverTable, WorldCoverClasses) {
    const struct {
        int worldCover;
        int code;
        double height;
    } rows[] = {{10, 1, 15}, {30, 0, 0}, {50, 3, 10}, {60, 4, 0}, {80, 2, 0}, {90, 6, 0}, {0, 0, 0}, {255, 0, 0}};
    for (const auto& row : rows) {
        const GroundObjects objects = ObjectsOfLandCoverClass(row.worldCover);
        EXPECT_EQ(objects.typeCode, row.code) << row.worldCover;
        EXPECT_EQ(objects.heightMetres, row.height) << row.worldCover;
    }
}

TEST_F(Terrain, Refusals) {
    const std::string plane = Tiff("plane.tif", kPlane);
    GridSpec withHole = kGrid;
    withHole.noData = -32768;
    const std::string hole = Tiff(
        "hole.tif",
        [](double lat, double lon) {
            return std::fabs(lat - 55.85) < 0.01 && std::fabs(lon - 37.25) < 0.02 ? NAN : kPlane(lat, lon);
        },
        withHole);
    GridSpec bare = kGrid;
    bare.wkt.clear();
    const std::string noSrs = Tiff("nosrs.tif", kPlane, bare);
    dir.write("local.vrt",
              "<VRTDataset rasterXSize=\"500\" rasterYSize=\"300\"><SRS>LOCAL_CS[\"site grid\",UNIT[\"metre\",1]]</SRS>"
              "<GeoTransform>37, 0.001, 0, 56, 0, -0.001</GeoTransform><VRTRasterBand dataType=\"Float32\" band=\"1\">"
              "<SimpleSource><SourceFilename relativeToVRT=\"1\">plane.tif</SourceFilename><SourceBand>1</SourceBand>"
              "</SimpleSource></VRTRasterBand></VRTDataset>");
    std::filesystem::create_directory(dir.file("empty"));
    dir.write("empty/readme.txt", "no rasters here\n");
    GridSpec small = kGrid;
    small.cols = 100;
    test::WriteGeoTiff(
        dir.file("cover.tif"), small, [](double, double) { return 10; }, true);

    const GeoPoint a{55.80, 37.05}, b{55.90, 37.45};
    struct Case {
        const char* name;
        ProfileRequest request;
        std::vector<std::string> said;
    } cases[] = {
        {"latitude", Request({91, 37.1}, b, plane), {"начало пути", "широта", "91.000000"}},
        {"longitude", Request(a, {55.9, -180.5}, plane), {"конец пути", "долгота", "-180.500000"}},
        {"identical ends", Request(a, a, plane), {"совпадают", "55.800000,37.050000"}},
        {"ends closer than 1 m", Request(a, {55.800005, 37.05}, plane), {"совпадают", "меньше 1 м"}},
        {"too long", Request({0, 0}, {0, 3}, plane), {"длиной 333.96 км", "327.67"}},
        {"missing file", Request(a, b, dir.file("N55E037.hgt")), {dir.file("N55E037.hgt"), "не найден"}},
        {"folder without rasters", Request(a, b, dir.file("empty")), {dir.file("empty"), "нет растров"}},
        {"outside every raster", Request(a, {55.9, 37.6}, plane), {"точка пути 55.8", "вне всех растров"}},
        {"away from every raster",
         Request({55.1, 37.2}, {55.2, 37.3}, plane),
         {"точка пути 55.100000,37.200000", "вне всех растров высот"}},
        {"nodata hole", Request({55.85, 37.05}, {55.85, 37.45}, hole), {"точка пути 55.850", ",37.23", "без данных"}},
        {"no coordinate system", Request(a, b, noSrs), {noSrs, "не указана система координат"}},
        {"cannot be transformed", Request(a, b, dir.file("local.vrt")), {"local.vrt", "не пересчитываются"}},
        {"land cover too small", Request(a, b, plane, dir.file("cover.tif")), {"вне растра покрова", "cover.tif"}},
        {"more than 1000 points", Request(a, b, plane, {}, 1001), {"1001", "2...1000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            BuildProfile(c.request);
            ADD_FAILURE() << "not refused";
        } catch (const TerrainRefusal& refusal) {
            for (const auto& part : c.said)
                EXPECT_NE(std::string(refusal.what()).find(part), std::string::npos)
                    << refusal.what() << " lacks " << part;
        }
    }
}

}  // namespace
}  // namespace vakrel
