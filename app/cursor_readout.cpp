#include "cursor_readout.h"

#include <algorithm>

#include "hop_ground.h"
#include "hop_model.h"
#include "hop_verdict.h"

namespace vakrel {

namespace {

// The engine's height (ground and objects) at `d` km from antenna 1, between its rows.
double EngineHeightAt(const HopProfile& profile, double d) {
    const auto& x = profile.distanceKm;
    const std::size_t b = std::clamp<std::size_t>(std::upper_bound(x.begin(), x.end(), d) - x.begin(), 1, x.size() - 1);
    const double t = (d - x[b - 1]) / (x[b] - x[b - 1]);
    return profile.heightM[b - 1] + t * (profile.heightM[b] - profile.heightM[b - 1]);
}

std::string ClearancePart(const HopModel& model, const HopVerdict& verdict, double xKm) {
    const AntennaPlacement& a = model.antennas;
    if (!verdict.calculated() || !(xKm > a.position1 && xKm < a.position2)) return "вне интервала";
    const HopResult& hop = verdict.result;
    const double d = xKm - a.position1;
    const double height = EngineHeightAt(verdict.inputs.profile, d);
    const double median = InFresnelRadii(ClearanceAt(d, height, hop.geometry, hop.radiusKm, hop.wavelengthM));
    const double minimum =
        InFresnelRadii(ClearanceAt(d, height, hop.minimumK.geometry, hop.minimumK.radiusKm, hop.wavelengthM));
    return Printf("просвет %.2f F1 при k, ", median) + Printf("%.2f F1 при k_e", minimum);
}

}  // namespace

QString CursorReadout(const HopModel& model, const HopVerdict& verdict, const std::map<int, QString>& objectNames,
                      double xKm) {
    const auto& p = model.profile.points;
    if (p.size() < 2 || !(xKm >= p.front().distance && xKm <= p.back().distance)) return {};
    const auto after = std::upper_bound(p.begin(), p.end(), xKm,
                                        [](double x, const ProfilePoint& point) { return x < point.distance; });
    const std::size_t b = std::clamp<std::size_t>(after - p.begin(), 1, p.size() - 1);
    const ProfilePoint& from = p[b - 1];
    const ProfilePoint& to = p[b];
    std::string text =
        Printf("%.2f км | ", xKm) + Printf("земля %.1f м | ", GroundOnSegment(from, GroundSlope(from, to), xKm));
    if (CarriesObjects(from, to)) {
        const auto name = objectNames.find(to.typeCode);
        text += name != objectNames.end() ? name->second.toStdString() : "код " + std::to_string(to.typeCode);
        text += Printf(" %.1f м | ", to.objectHeight);
    } else {
        text += "без объектов | ";
    }
    return QString::fromStdString(text + ClearancePart(model, verdict, xKm));
}

}  // namespace vakrel
