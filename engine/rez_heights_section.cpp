// The report's answer to "how high must the antennas stand": the heights of the three ways of
// raising them that meet P.530-19 §2.2.2.1 and the required reliability (codes 232-237).
#include "rez_sections.h"

namespace vakrel {

namespace {

const char* WayName(RaiseWay way) {
    switch (way) {
        case RaiseWay::Both: return "Подъем обеих антенн";
        case RaiseWay::Antenna1: return "Подъем антенны 1";
        case RaiseWay::Antenna2: return "Подъем антенны 2";
    }
    return "";
}

std::string WhyNot(const HeightSolution& s) {
    switch (s.shortfall) {
        case HeightShortfall::AboveRange:
            return Printf("антенна в buf.ttx уже выше предела (%.1f м для антенны 1, %.1f м для антенны 2)",
                          kHighestTxHeightTenths / 10.0, kHighestRxHeightTenths / 10.0);
        case HeightShortfall::Clearance:
            return Printf("просвет по P.530 не обеспечен и при высотах %.1f и %.1f м", s.txHeightM, s.rxHeightM);
        case HeightShortfall::Reliability:
            return Printf("требование надежности не выполнено и при высотах %.1f и %.1f м", s.txHeightM, s.rxHeightM);
        case HeightShortfall::None: break;
    }
    return "";
}

}  // namespace

void HeightsSection(RezText& rez, const std::array<HeightSolution, 3>& solutions) {
    rez.Line("  Наименьшие высоты антенн над землей по P.530 и требованию надежности");
    rez.Line(
        Printf("    Критерий просвета (код 221) и, когда задано, требование (код 48); высоты не ниже "
               "заданных, шаг 0.1 м, пределы: антенна 1 от 0.1 до %.1f м, антенна 2 от 0.1 до %.1f м.",
               kHighestTxHeightTenths / 10.0, kHighestRxHeightTenths / 10.0));
    int code = 232;
    for (const HeightSolution& s : solutions) {
        const std::string way = WayName(s.way);
        if (s.shortfall == HeightShortfall::None) {
            rez.Coded(code, way + ": высота антенны 1, м", s.txHeightM);
            rez.Coded(code + 1, way + ": высота антенны 2, м", s.rxHeightM);
        } else {
            rez.Line("    " + way + ": нет решения в пределах - " + WhyNot(s) + ".");
        }
        code += 2;
    }
    rez.Line();
}

}  // namespace vakrel
