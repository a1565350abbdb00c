#include "height_offers.h"

#include <cmath>

#include "hop_verdict.h"
#include "rez_lines.h"

namespace vakrel {

namespace {

// The same 0.1 m the search stepped by, as a spin control's position.
int TenthsOf(double heightM) { return static_cast<int>(std::lround(heightM * 10)); }

// A station height read from the file may stand off the 0.1 m grid; the search then starts above it.
bool OnScreen(double solutionM, double stationM) { return std::abs(solutionM - stationM) < 1e-6; }

QString WhyNot(const HeightSolution& s) {
    std::string why;
    switch (s.shortfall) {
        case HeightShortfall::AboveRange:
            why = Printf("антенна уже стоит выше диапазона регуляторов (антенна 1 до %.1f м, антенна 2 до %.1f м)",
                         kHighestTxHeightTenths / 10.0, kHighestRxHeightTenths / 10.0);
            break;
        case HeightShortfall::Clearance:
            why = Printf("просвет по P.530 не обеспечен и на верху диапазона регуляторов, при высотах %.1f и %.1f м",
                         s.txHeightM, s.rxHeightM);
            break;
        case HeightShortfall::Reliability:
            why =
                Printf("требование надежности не выполнено и на верху диапазона регуляторов, при высотах %.1f и %.1f м",
                       s.txHeightM, s.rxHeightM);
            break;
        case HeightShortfall::None: break;
    }
    return QStringLiteral("Нет решения: ") + QString::fromStdString(why);
}

}  // namespace

bool MeetsEverything(const HopResult& hop) {
    return hop.minimumK.met && (!(hop.station.requiredReliabilityPct > 0) || hop.reliability.met);
}

QString WayCaption(RaiseWay way) {
    switch (way) {
        case RaiseWay::Both: return QStringLiteral("Обе антенны на одну величину");
        case RaiseWay::Antenna1: return QStringLiteral("Только антенна 1");
        case RaiseWay::Antenna2: return QStringLiteral("Только антенна 2");
    }
    return {};
}

std::array<HeightOffer, 3> OfferHeights(const HopVerdict& verdict) {
    std::array<HeightOffer, 3> offers;
    const std::array<HeightSolution, 3> solutions = FindVerdictHeights(verdict);
    const StationParameters& station = verdict.result.station;
    for (std::size_t i = 0; i < offers.size(); ++i) {
        HeightOffer& o = offers[i];
        o.solution = solutions[i];
        const HeightSolution& s = o.solution;
        if (s.shortfall != HeightShortfall::None) {
            o.why = WhyNot(s);
            continue;
        }
        o.position1 = TenthsOf(s.txHeightM);
        o.position2 = TenthsOf(s.rxHeightM);
        if (o.position1 < kLowestHeightTenths || o.position1 > kHighestTxHeightTenths ||
            o.position2 < kLowestHeightTenths || o.position2 > kHighestRxHeightTenths) {
            o.why = QString::fromStdString(
                Printf("Нет решения: высоты %.1f и %.1f м регуляторы не покажут", s.txHeightM, s.rxHeightM));
            continue;
        }
        o.choosable = true;
        o.current = OnScreen(s.txHeightM, station.txAntennaHeightM) && OnScreen(s.rxHeightM, station.rxAntennaHeightM);
        o.at = VerdictAtHeights(verdict, s.txHeightM, s.rxHeightM);
    }
    return offers;
}

}  // namespace vakrel
