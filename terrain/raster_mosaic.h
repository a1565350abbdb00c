#pragma once
// One or more rasters used as one: files GDAL opens (SRTM .hgt, GeoTIFF, DTED, VRT, ...) and
// folders, whose rasters join the mosaic together. Several rasters become one virtual raster
// built in memory, so that reads run on across the edges of tiles laid side by side. Cells are
// read in small windows, only where they are asked for, and kept for the next asks.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "geodesic_path.h"

class GDALDataset;
class GDALRasterBand;
class OGRCoordinateTransformation;

namespace vakrel {

class RasterMosaic {
public:
    // Opens every path (a file or a folder). `role` names the rasters in messages ("высот").
    // Only the rasters near the points `along` (spaced closely along the path, the first at
    // its start) join the mosaic; with none given, all do. Throws TerrainRefusal for a missing
    // path, a folder without rasters, a file GDAL cannot open, rasters in different coordinate
    // systems, a coordinate system that WGS84 coordinates cannot be transformed into, and a
    // path that no raster comes near.
    RasterMosaic(const std::vector<std::string>& paths, const std::string& role, const std::vector<GeoPoint>& along);
    ~RasterMosaic();
    RasterMosaic(const RasterMosaic&) = delete;
    RasterMosaic& operator=(const RasterMosaic&) = delete;

    // The point in cell coordinates: (0, 0) is the centre of the top-left cell. Nothing when
    // the point lies outside every raster of the mosaic.
    struct CellPosition {
        double x = 0;
        double y = 0;
    };
    std::optional<CellPosition> Locate(GeoPoint point) const;

    int width() const { return width_; }
    int height() const { return height_; }
    // A cell's value; nothing on a nodata cell.
    std::optional<double> Cell(int x, int y);
    // The shorter side of a cell near `point`, in metres.
    double CellSizeMetres(GeoPoint point) const;
    // The paths as given, joined for a header line.
    const std::vector<std::string>& paths() const { return paths_; }

private:
    struct Extent {
        double minX, maxX, minY, maxY;
    };
    struct Tile {
        std::string name;
        Extent extent;
        double cell;  // the longer side, in raster units
        bool hasNoData;
    };
    void KeepTilesAlong(std::vector<Tile>& tiles, const std::vector<GeoPoint>& along) const;
    const std::vector<float>& Window(int windowX, int windowY);

    std::vector<std::string> paths_;
    GDALDataset* mosaic_ = nullptr;  // the single raster, or the virtual raster over several
    GDALRasterBand* band_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    double toCell_[6] = {};  // raster coordinates -> cell coordinates (corner-based)
    double fromCell_[6] = {};
    std::vector<Extent> extents_;
    std::unique_ptr<OGRCoordinateTransformation> fromWgs84_;  // none when the raster is WGS84 itself
    bool geographic_ = true;
    double linearUnitMetres_ = 1;
    std::optional<double> noData_;
    std::unordered_map<std::int64_t, std::vector<float>> windows_;
};

}  // namespace vakrel
