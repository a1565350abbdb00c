#pragma once
// SRTM tiles (.hgt) read as the raw grids they are: only the cells asked for, no PROJ set-up.

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <memory>
#include <optional>
#include <string>

namespace vakrel {

struct CloseDataset {
    void operator()(GDALDataset* ds) const { GDALClose(ds); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, CloseDataset>;

// An SRTM tile as its format defines it: the 1-degree square named by the file (N55E037.hgt has
// its south-west corner at 55 N, 37 E), 1201 x 1201, 3601 x 3601 or 1801 x 3601 posts of 16-bit
// big-endian heights, -32768 for no data, WGS84. GDAL's SRTMHGT driver reads such a tile whole row
// by row through its block cache and sets up PROJ for the coordinate system; read as the raw grid
// it is, only the cells asked for are read and PROJ is never loaded. A tile with a side file that
// GDAL would read with it (.aux.xml, .aux) is left to the driver.
struct SrtmTile {
    int cols = 0, rows = 0;
    int south = 0, west = 0;
};

// The tile that `file` is, when it is one this reader takes (its name, its size, no side file).
std::optional<SrtmTile> SrtmTileOf(const std::string& file);
// The tile opened read-only as a GDAL dataset with the geotransform and nodata of GDAL's SRTMHGT
// driver.
DatasetPtr OpenSrtmTile(const std::string& file, const SrtmTile& tile);
// The coordinate system GDAL's SRTMHGT driver gives a tile, for comparing it with other rasters.
OGRSpatialReference SrtmSpatialRef();

}  // namespace vakrel
