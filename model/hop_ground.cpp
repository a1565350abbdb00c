#include "hop_ground.h"

#include "hop_model.h"

namespace vakrel {

std::array<double, 2> GroundUnderAntenna(const HopModel& model) {
    const auto& p = model.profile.points;
    const double positions[2] = {model.antennas.position1, model.antennas.position2};
    std::array<double, 2> ground{};
    for (int index = 0; index < 2; ++index) {
        for (std::size_t i = 1; i < p.size(); ++i) {
            if (!StandsOn(p[i - 1], p[i], index, positions[index])) continue;
            ground[index] = GroundOnSegment(p[i - 1], GroundSlope(p[i - 1], p[i]), positions[index]);
            break;
        }
    }
    return ground;
}

}  // namespace vakrel
