#pragma once
// Land cover in the ESA WorldCover classes, turned into the object type codes of the profile
// (prf.tip) and an object height.
//
//   class  WorldCover                 code  objects (prf.tip)              height, m
//    10    tree cover                   1   forest                           15
//    20    shrubland                    1   forest (low)                      3
//    30    grassland                    0   open ground                       0
//    40    cropland                     0   open ground                       0
//    50    built-up                     3   buildings                        10
//    60    bare / sparse vegetation     4   sand, dry soil                    0
//    70    snow and ice                 0   open ground                       0
//    80    permanent water bodies       2   water                             0
//    90    herbaceous wetland           6   marsh                             0
//    95    mangroves                    1   forest                           10
//   100    moss and lichen              0   open ground                       0
//
// Any other value (0 is WorldCover's "no data", and NaN or a fill value) is open ground with no
// objects.

#include <cstdint>
#include <string>
#include <vector>

#include "geodesic_path.h"
#include "raster_mosaic.h"

namespace vakrel {

struct GroundObjects {
    std::uint8_t typeCode = 0;
    double heightMetres = 0;
};

// The objects of one WorldCover class, by the table above.
GroundObjects ObjectsOfLandCoverClass(int worldCoverClass);

class LandCover {
public:
    // Throws TerrainRefusal as RasterMosaic does for `along`, points close along the path.
    LandCover(const std::string& path, const std::vector<GeoPoint>& along);
    // Reads the classes under the points ahead of At (RasterMosaic::ReadAround).
    void ReadAround(const std::vector<GeoPoint>& points) { classes_.ReadAround(points); }
    // The objects of the cell the point falls in. Throws TerrainRefusal for a point outside
    // the land cover raster.
    GroundObjects At(GeoPoint point);
    const std::string& path() const { return path_; }

private:
    std::string path_;
    RasterMosaic classes_;
};

}  // namespace vakrel
