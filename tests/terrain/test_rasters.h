#pragma once
// Rasters written through GDAL for the terrain tests: a grid of cells whose values come from a
// function of the cell centre's latitude and longitude.

#include <functional>
#include <optional>
#include <string>

namespace vakrel::test {

using Surface = std::function<double(double lat, double lon)>;

// In the units of the coordinate system: degrees for WGS84, metres for a projection.
struct GridSpec {
    double west = 0;   // the left edge of the first column
    double north = 0;  // the top edge of the first row
    double cellSize = 0;
    int cols = 0;
    int rows = 0;
    std::string wkt = "WGS84";     // the coordinate system; empty: none
    std::optional<double> noData;  // cells where the surface returns NaN get it
};

// A Float32 GeoTIFF (Byte when `classes`) of the grid.
void WriteGeoTiff(const std::string& path, const GridSpec& grid, const Surface& surface, bool classes = false);

// An SRTM 3" tile (1201 x 1201 posts, Int16) for the 1-degree square whose south-west corner is
// (lat, lon), named as SRTM names it (N55E037.hgt) in `folder`. Returns its path.
std::string WriteHgtTile(const std::string& folder, int lat, int lon, const Surface& surface, int posts = 1201);

}  // namespace vakrel::test
