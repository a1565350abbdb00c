#include "test_rasters.h"

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogr_spatialref.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace vakrel::test {

namespace {

GDALDataset* MemoryGrid(int cols, int rows, GDALDataType type) {
    GDALAllRegister();
    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    return memory->Create("", cols, rows, 1, type, nullptr);
}

void Fill(GDALDataset& ds, const Surface& surface, double west, double north, double step, double centre,
          std::optional<double> noData) {
    const int cols = ds.GetRasterXSize();
    const int rows = ds.GetRasterYSize();
    std::vector<double> values(static_cast<std::size_t>(cols) * rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const double v = surface(north - (r + centre) * step, west + (c + centre) * step);
            values[static_cast<std::size_t>(r) * cols + c] = std::isnan(v) && noData ? *noData : v;
        }
    GDALRasterBand* band = ds.GetRasterBand(1);
    if (noData) band->SetNoDataValue(*noData);
    ASSERT_EQ(band->RasterIO(GF_Write, 0, 0, cols, rows, values.data(), cols, rows, GDT_Float64, 0, 0, nullptr),
              CE_None);
}

void CopyTo(GDALDataset& source, const char* driverName, const std::string& path) {
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    GDALDataset* copy = driver->CreateCopy(path.c_str(), &source, FALSE, nullptr, nullptr, nullptr);
    ASSERT_NE(copy, nullptr) << CPLGetLastErrorMsg();
    GDALClose(copy);
}

}  // namespace

void WriteGeoTiff(const std::string& path, const GridSpec& grid, const Surface& surface, bool classes) {
    GDALDataset* ds = MemoryGrid(grid.cols, grid.rows, classes ? GDT_Byte : GDT_Float32);
    double gt[6] = {grid.west, grid.cellSize, 0, grid.north, 0, -grid.cellSize};
    ds->SetGeoTransform(gt);
    if (!grid.wkt.empty()) {
        OGRSpatialReference srs;
        srs.SetFromUserInput(grid.wkt.c_str());
        ds->SetSpatialRef(&srs);
    }
    Fill(*ds, surface, grid.west, grid.north, grid.cellSize, 0.5, grid.noData);
    CopyTo(*ds, "GTiff", path);
    GDALClose(ds);
}

std::string WriteHgtTile(const std::string& folder, int lat, int lon, const Surface& surface, int posts) {
    char name[32];
    std::snprintf(name, sizeof name, "%c%02d%c%03d.hgt", lat < 0 ? 'S' : 'N', std::abs(lat), lon < 0 ? 'W' : 'E',
                  std::abs(lon));
    const double step = 1.0 / (posts - 1);
    GDALDataset* ds = MemoryGrid(posts, posts, GDT_Int16);
    double gt[6] = {lon - step / 2, step, 0, lat + 1 + step / 2, 0, -step};
    ds->SetGeoTransform(gt);
    OGRSpatialReference srs;
    srs.SetWellKnownGeogCS("WGS84");
    ds->SetSpatialRef(&srs);
    Fill(
        *ds, [&](double la, double lo) { return std::round(surface(la, lo)); }, lon, lat + 1, step, 0, std::nullopt);
    const std::string path = folder + "/" + name;
    CopyTo(*ds, "SRTMHGT", path);
    GDALClose(ds);
    return path;
}

}  // namespace vakrel::test
