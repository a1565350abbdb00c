#!/bin/sh
# Writes the synthetic rasters of examples/dem: an elevation raster and a land cover raster
# (ESA WorldCover classes) for the area of the bundled hop Березовка - Каменка. The surfaces are
# made up - a plane rising from 152 m to 177 m along the hop with smooth hills, a ridge and a
# river valley - and stand for no real terrain. Both are ESRI ASCII grids in WGS84 (6" cells),
# which GDAL reads as they are. Needs only a POSIX shell and awk.
set -eu
cd "$(dirname "$0")"

# The hop runs from 55.3000 N 37.9000 E to 55.3400 N 38.5600 E (about 42 km).
west=37.87 south=55.27 cols=432 rows=60 cell=0.0016666666666667
prj='GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]]'

grid() {  # grid FILE NODATA AWK-EXPRESSION-OF-lat-lon
  awk -v west=$west -v south=$south -v cols=$cols -v rows=$rows -v cell=$cell -v nodata="$2" "
    function hill(lat, lon, clat, clon, h, r) { return h * exp(-(((lat-clat)/r)^2 + ((lon-clon)/(r*1.76))^2)) }
    BEGIN {
      printf \"ncols %d\r\nnrows %d\r\nxllcorner %.4f\r\nyllcorner %.4f\r\ncellsize %.16f\r\nNODATA_value %s\r\n\",
             cols, rows, west, south, cell, nodata
      for (r = 0; r < rows; r++) {
        lat = south + (rows - r - 0.5) * cell
        for (c = 0; c < cols; c++) {
          lon = west + (c + 0.5) * cell
          printf \"%s%s\", (c ? \" \" : \"\"), $3
        }
        printf \"\r\n\"
      }
    }" > "$1"
  printf '%s' "$prj" > "${1%.asc}.prj"
}

# Along the hop t runs 0 ... 1; the river crosses it at about 17 km.
t='((lon - 37.9) / 0.66)'
ground="sprintf(\"%.1f\", 152 + 25 * $t + 6 * sin(9.4 * $t) * cos(31 * (lat - 55.30)) \
  + hill(lat, lon, 55.311, 38.03, 12, 0.012) + hill(lat, lon, 55.327, 38.40, 10, 0.015) \
  + 6 * exp(-((lat - 55.33 - 0.4 * (lon - 38.3)) / 0.004)^2) \
  - 14 * exp(-((lon - 38.17 - 0.3 * (lat - 55.32)) / 0.006)^2))"
grid hop_elevation.asc -9999 "$ground"

# Land cover: the river (80) in its valley, a village (50) near the start, forests (10) on the
# hills, crops (40) elsewhere.
classes="(((lon - 38.17 - 0.3 * (lat - 55.32)) / 0.0025)^2 < 1 ? 80 : \
  (hill(lat, lon, 55.302, 37.93, 1, 0.006) > 0.5 ? 50 : \
  (hill(lat, lon, 55.311, 38.03, 1, 0.012) > 0.4 || hill(lat, lon, 55.327, 38.40, 1, 0.015) > 0.4 ? 10 : 40)))"
grid hop_landcover.asc 0 "$classes"
