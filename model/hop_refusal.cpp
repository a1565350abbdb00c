#include "hop_refusal.h"

#include <cmath>

#include "earth_radius.h"
#include "hop_model.h"

namespace vakrel {

std::optional<QString> HopRefusal(const HopModel& model) {
    const auto& p = model.profile.points;
    if (p.size() < 2) return QStringLiteral("Нет данных для построения профиля");
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto& q = p[i];
        if (!std::isfinite(q.distance) || !std::isfinite(q.groundHeight) || !std::isfinite(q.objectHeight))
            return QStringLiteral("Профиль содержит нечисловые значения");
        if (i > 0 && !(q.distance > p[i - 1].distance)) return QStringLiteral("Расстояния точек профиля не возрастают");
    }
    if (!(p.back().distance > 0)) return QStringLiteral("Длина профиля не больше 0");
    if (!IsUsableRadius(model.effectiveEarthRadius)) return QStringLiteral("Эффективный радиус Земли не определен");
    if (!(model.workingFrequency() > 0) || !std::isfinite(model.workingFrequency()))
        return QStringLiteral("Рабочая частота не больше 0");
    const auto& a = model.antennas;
    if (!(p.front().distance <= a.position1 && a.position1 < a.position2 && a.position2 <= p.back().distance))
        return QStringLiteral("Антенны стоят вне профиля");
    if (!std::isfinite(model.antennaHeight1()) || !std::isfinite(model.antennaHeight2()))
        return QStringLiteral("Высоты антенн не заданы");
    return std::nullopt;
}

}  // namespace vakrel
