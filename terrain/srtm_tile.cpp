#include "srtm_tile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace vakrel {

namespace {

// The tile as the raw grid it is, opened read-only, with the geotransform and nodata of GDAL's
// SRTMHGT driver; no side file is looked for or written. A window is read in one piece, from its
// first cell to its last: one read of some 230 KB for 32 x 32 cells of a 1" tile, where a read
// row by row (GDAL's raw reader) costs two system calls a row and five times the time.
class SrtmBand final : public GDALRasterBand {
public:
    SrtmBand(GDALDataset* ds, VSILFILE* fp, int cols, int rows) : fp_(fp) {
        poDS = ds;
        nBand = 1;
        eDataType = GDT_Int16;
        eAccess = GA_ReadOnly;
        nRasterXSize = cols;
        nRasterYSize = rows;
        nBlockXSize = cols;
        nBlockYSize = 1;
    }
    ~SrtmBand() override { VSIFCloseL(fp_); }
    double GetNoDataValue(int* hasNoData) override {
        if (hasNoData) *hasNoData = TRUE;
        return -32768;
    }

protected:
    CPLErr IReadBlock(int, int row, void* data) override {
        return ReadCells(0, row, nRasterXSize, 1, data, GDT_Int16, 2, 2 * static_cast<GSpacing>(nRasterXSize));
    }
    CPLErr IRasterIO(GDALRWFlag flag, int x, int y, int w, int h, void* data, int bufW, int bufH, GDALDataType type,
                     GSpacing pixelSpace, GSpacing lineSpace, GDALRasterIOExtraArg* extra) override {
        if (flag != GF_Read || bufW != w || bufH != h)
            return GDALRasterBand::IRasterIO(flag, x, y, w, h, data, bufW, bufH, type, pixelSpace, lineSpace, extra);
        return ReadCells(x, y, w, h, data, type, pixelSpace, lineSpace);
    }

private:
    CPLErr ReadCells(int x, int y, int w, int h, void* data, GDALDataType type, GSpacing pixelSpace,
                     GSpacing lineSpace) {
        const std::size_t line = 2 * static_cast<std::size_t>(nRasterXSize);
        const std::size_t bytes = (static_cast<std::size_t>(h) - 1) * line + 2 * static_cast<std::size_t>(w);
        bytes_.resize(bytes);
        if (VSIFSeekL(fp_, static_cast<vsi_l_offset>(y) * line + 2 * static_cast<vsi_l_offset>(x), SEEK_SET) != 0 ||
            VSIFReadL(bytes_.data(), 1, bytes, fp_) != bytes) {
            CPLError(CE_Failure, CPLE_FileIO, "short read");
            return CE_Failure;
        }
        cells_.resize(static_cast<std::size_t>(w));
        for (int row = 0; row < h; ++row) {
            const unsigned char* at = bytes_.data() + static_cast<std::size_t>(row) * line;
            for (int i = 0; i < w; ++i)
                cells_[static_cast<std::size_t>(i)] = static_cast<GInt16>((at[2 * i] << 8) | at[2 * i + 1]);
            GDALCopyWords64(cells_.data(), GDT_Int16, 2, static_cast<GByte*>(data) + row * lineSpace, type,
                            static_cast<int>(pixelSpace), w);
        }
        return CE_None;
    }

    VSILFILE* fp_;
    std::vector<unsigned char> bytes_;
    std::vector<GInt16> cells_;
};

class SrtmTileDataset final : public GDALDataset {
public:
    SrtmTileDataset(const SrtmTile& tile, VSILFILE* fp)
        : geoTransform_{tile.west - 0.5 / (tile.cols - 1),
                        1.0 / (tile.cols - 1),
                        0,
                        tile.south + 1 + 0.5 / (tile.rows - 1),
                        0,
                        -1.0 / (tile.rows - 1)} {
        nRasterXSize = tile.cols;
        nRasterYSize = tile.rows;
        eAccess = GA_ReadOnly;
        SetBand(1, new SrtmBand(this, fp, tile.cols, tile.rows));
    }
    CPLErr GetGeoTransform(double* transform) override {
        std::copy(std::begin(geoTransform_), std::end(geoTransform_), transform);
        return CE_None;
    }

private:
    double geoTransform_[6];
};

}  // namespace

std::optional<SrtmTile> SrtmTileOf(const std::string& file) {
    const std::filesystem::path path(file);
    const std::string name = path.filename().string();
    const auto digit = [&](std::size_t i) { return name[i] >= '0' && name[i] <= '9'; };
    if (name.size() != 11 || !digit(1) || !digit(2) || !digit(4) || !digit(5) || !digit(6)) return std::nullopt;
    const char ns = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    const char ew = static_cast<char>(std::toupper(static_cast<unsigned char>(name[3])));
    std::string extension = name.substr(7);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if ((ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || extension != ".hgt") return std::nullopt;
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    SrtmTile tile;
    if (error) return std::nullopt;
    if (bytes == 3601u * 3601u * 2u) {
        tile.cols = tile.rows = 3601;
    } else if (bytes == 1801u * 3601u * 2u) {
        tile.cols = 1801;
        tile.rows = 3601;
    } else if (bytes == 1201u * 1201u * 2u) {
        tile.cols = tile.rows = 1201;
    } else {
        return std::nullopt;
    }
    for (const std::string& side : {name + ".aux.xml", name + ".aux", name.substr(0, 7) + ".aux"})
        if (std::filesystem::exists(path.parent_path() / side, error)) return std::nullopt;
    const int lat = (name[1] - '0') * 10 + (name[2] - '0');
    const int lon = (name[4] - '0') * 100 + (name[5] - '0') * 10 + (name[6] - '0');
    tile.south = ns == 'S' ? -lat : lat;
    tile.west = ew == 'W' ? -lon : lon;
    return tile;
}

DatasetPtr OpenSrtmTile(const std::string& file, const SrtmTile& tile) {
    VSILFILE* fp = VSIFOpenL(file.c_str(), "rb");
    return DatasetPtr(fp ? new SrtmTileDataset(tile, fp) : nullptr);
}

OGRSpatialReference SrtmSpatialRef() {
    OGRSpatialReference srs;
    srs.importFromWkt(SRS_WKT_WGS84_LAT_LONG);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

}  // namespace vakrel
