#pragma once
// Points along the geodesic between two points on the WGS84 ellipsoid.

#include <string>
#include <vector>

namespace vakrel {

struct GeoPoint {
    double lat = 0;  // degrees, north positive
    double lon = 0;  // degrees, east positive
};

struct PathPoint {
    GeoPoint at;
    double distanceKm = 0;  // along the geodesic from the first point
};

// The geodesic length in metres.
double GeodesicLengthMetres(GeoPoint from, GeoPoint to);

// `count` points (at least 2) evenly spaced along the geodesic, both ends included.
std::vector<PathPoint> GeodesicPath(GeoPoint from, GeoPoint to, int count);

// How many points give a spacing of about `spacingMetres` over `lengthMetres`, at most `maxPoints`.
int PointCountForSpacing(double lengthMetres, double spacingMetres, int maxPoints);

// "55.300000,37.000000", the form the program takes and writes.
std::string FormatGeoPoint(GeoPoint point);

}  // namespace vakrel
