// The report's answer to the first question: the clearance at minimum k (P.530-19 §2.2.2.1).
#include "rez_sections.h"

namespace vakrel {

namespace {

const char* CaseName(p530::ClearanceCase c) {
    switch (c) {
        case p530::ClearanceCase::SingleIsolatedObstacle: return "одиночное препятствие (умеренный климат)";
        case p530::ClearanceCase::ExtendedObstruction: return "протяженное препятствие (умеренный климат)";
    }
    return "";
}

}  // namespace

std::string ClearanceVerdict(const HopResult& hop) {
    const MinimumKResult& m = hop.minimumK;
    if (m.met) return "просвет по P.530 обеспечен";
    if (hop.propagationUsed == Propagation::Troposcatter)
        return Printf("ТРЛ: просвет P.530 не требуется (для прямой видимости +%.1f м)", m.raiseM);
    return Printf("просвет по P.530 НЕ обеспечен: поднять обе антенны на %.1f м", m.raiseM);
}

void ClearanceSection(RezText& rez, const HopResult& hop) {
    const MinimumKResult& m = hop.minimumK;
    rez.Line("  Просвет при минимальном k (P.530-19, п. 2.2.2.1)");
    if (m.medianBelowFormula)
        rez.Line(
            Printf("    Медианный k = %.3f ниже k_e = 157/(144 + 2670/d) формулы (4) P.530-19 (%.3f): "
                   "взят медианный.",
                   hop.kFactor, m.formulaKFactor));
    else
        rez.Line(
            Printf("    k_e = 157/(144 + 2670/d) по формуле (4) P.530-19 для длины %.1f км.", hop.geometry.lengthKm));
    rez.Line("    Климат умеренный, как у формулы (4) (континентальный умеренный); в файлах климат не задан.");
    rez.Coded(216, "Коэффициент k_e, превышаемый 99.9 % наихудшего месяца", m.kFactor);
    rez.Coded(217, "Эквивалентный радиус Земли при k_e, км", m.radiusKm);
    rez.Coded(218, "Относительный просвет p(g) при k_e", m.geometry.critical.relative);
    rez.Coded(219, "Расстояние до критической точки при k_e, км", m.geometry.critical.distanceKm);
    rez.Coded(220, "Дифракционные потери при k_e (P.526-16, п. 4.5), дБ", m.diffractionDb);
    rez.Coded(221, "Критерий просвета P.530-19 выполнен (1 да, 0 нет)", m.met ? 1 : 0);
    rez.Coded(222, "Подъем обеих антенн для выполнения критерия, м", m.raiseM);
    rez.Coded(223, "Запас на замирания с дифракцией при k_e, дБ", m.marginDb);
    rez.Line(std::string("    Случай: ") + CaseName(m.clearanceCase) +
             Printf(". Нужно 1.0 F1 при медианном k и %.1f F1 при k_e;", m.requiredFraction) +
             Printf(" есть %.2f F1 и %.2f F1.", m.medianInF1, m.minimumInF1));
    rez.Line("  ВЫВОД: " + ClearanceVerdict(hop) + ".");
    rez.Line();
}

}  // namespace vakrel
