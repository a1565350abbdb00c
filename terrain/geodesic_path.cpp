#include "geodesic_path.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vakrel {

double GeodesicLengthMetres(GeoPoint from, GeoPoint to) {
    double metres = 0;
    GeographicLib::Geodesic::WGS84().Inverse(from.lat, from.lon, to.lat, to.lon, metres);
    return metres;
}

std::vector<PathPoint> GeodesicPath(GeoPoint from, GeoPoint to, int count) {
    count = std::max(count, 2);
    const GeographicLib::GeodesicLine line = GeographicLib::Geodesic::WGS84().InverseLine(
        from.lat, from.lon, to.lat, to.lon,
        GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE | GeographicLib::Geodesic::DISTANCE_IN);
    const double length = line.Distance();
    std::vector<PathPoint> path(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        PathPoint& p = path[static_cast<std::size_t>(i)];
        const double s = length * i / (count - 1);
        line.Position(s, p.at.lat, p.at.lon);
        p.distanceKm = s / 1000;
    }
    // The ends exactly as given, not as recomputed from the line.
    path.front().at = from;
    path.back().at = to;
    return path;
}

int PointCountForSpacing(double lengthMetres, double spacingMetres, int maxPoints) {
    const double intervals = std::ceil(lengthMetres / spacingMetres - 1e-9);
    return static_cast<int>(std::clamp(intervals + 1, 2.0, static_cast<double>(std::max(maxPoints, 2))));
}

std::string FormatGeoPoint(GeoPoint point) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f,%.6f", point.lat, point.lon);
    return text;
}

}  // namespace vakrel
