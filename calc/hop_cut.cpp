#include "hop_cut.h"

#include "hop_ground.h"
#include "hop_model.h"

namespace vakrel {

ProfileData CutBetweenAntennas(const HopModel& model) {
    const auto& a = model.antennas;
    const auto& points = model.profile.points;
    const auto ground = GroundUnderAntenna(model);
    ProfileData cut;
    cut.header = model.profile.header;
    cut.points.push_back({0.0, ground[0], 0, 0.0});
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const ProfilePoint& p = points[i];
        if (p.distance <= a.position1) continue;
        if (p.distance >= a.position2) break;
        cut.points.push_back({p.distance - a.position1, p.groundHeight, p.typeCode, p.objectHeight});
    }
    cut.points.push_back({a.position2 - a.position1, ground[1], 0, 0.0});
    return cut;
}

}  // namespace vakrel
