#pragma once
// The terrain between the two antennas as the models read it.

#include <span>

namespace vakrel {

// Points of the path from antenna 1 (distance 0) to antenna 2 (the last distance): distances in
// km growing strictly, heights in m above sea level (ground plus objects between the ends).
struct TerrainProfile {
    std::span<const double> distanceKm;
    std::span<const double> heightM;

    std::size_t size() const { return distanceKm.size(); }
    double length() const { return distanceKm.back() - distanceKm.front(); }
};

}  // namespace vakrel
