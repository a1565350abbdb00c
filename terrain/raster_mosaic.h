#pragma once
// One or more rasters used as one: files GDAL opens (SRTM .hgt, GeoTIFF, DTED, VRT, ...) and
// folders, whose rasters join the mosaic together. Several rasters become one virtual raster
// built in memory, so that reads run on across the edges of tiles laid side by side. Cells are
// read in small windows, only where they are asked for, and kept for the next asks; ReadAround
// reads those under a path in windows that follow it. Only local files are read (local_files.h).

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
    // path, a folder without rasters, a file GDAL cannot open, a raster that is not a plain
    // local file or whose files are not (the sources of a VRT among them, LocalFileCheck),
    // rasters in different coordinate systems, a coordinate system that WGS84 coordinates
    // cannot be transformed into, and a path that no raster comes near. An SRTM tile alone is
    // read as the raw grid its format defines, in WGS84, without GDAL's SRTM driver and PROJ.
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
    // Reads the four cells around each point (those of its bilinear height and its nearest
    // cell) in windows of at most 32 cells a side that follow the points in their order, so
    // that Cell finds them read. Points outside the mosaic are passed over.
    void ReadAround(const std::vector<GeoPoint>& points);
    // A cell's value; nothing on a nodata cell. NaN is nodata only in a raster whose nodata
    // value is NaN; elsewhere NaN and infinities are returned as they are.
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
    // Cells read in one piece; (x0, y0) is its top-left cell.
    struct Patch {
        int x0 = 0, y0 = 0, w = 0, h = 0;
        std::vector<float> cells;
        bool Holds(int x, int y) const { return x >= x0 && x < x0 + w && y >= y0 && y < y0 + h; }
        float At(int x, int y) const {
            return cells[static_cast<std::size_t>(y - y0) * static_cast<std::size_t>(w) +
                         static_cast<std::size_t>(x - x0)];
        }
    };
    void KeepTilesAlong(std::vector<Tile>& tiles, const std::vector<GeoPoint>& along) const;
    Patch Read(int x0, int y0, int w, int h);
    const Patch& Window(int windowX, int windowY);

    std::vector<std::string> paths_;
    std::string name_;               // the raster, or the first path of several, for messages
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
    bool hasNoData_ = false;
    bool noDataIsNan_ = false;
    float noData_ = 0;                                 // as a cell read as Float32 holds it
    std::vector<Patch> patches_;                       // from ReadAround, in the order of its points
    std::size_t lastPatch_ = 0;                        // where the last cell was found
    std::unordered_map<std::int64_t, Patch> windows_;  // 64 x 64 cells, for cells outside patches_
};

}  // namespace vakrel
