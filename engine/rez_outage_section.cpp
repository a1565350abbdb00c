// The report's answer to the second question: the outages on both time bases (P.530-19 §2.3.4,
// §2.4.1, §7; P.617-6 §4; P.841-6) against the required reliability, which is judged on the
// average year. Each section names the Recommendation, edition and section of its figures.
#include "rez_sections.h"

namespace vakrel {

std::string ReliabilityVerdict(const HopResult& hop) {
    const ReliabilityResult& r = hop.reliability;
    return "требование " + Trimmed(FormatReliabilityValue(hop.station.requiredReliabilityPct)) + " % " +
           (r.met ? "выполнено: " : "НЕ выполнено: ") + Trimmed(FormatReliabilityValue(r.chainPct)) +
           " % за средний год";
}

void WarningsSection(RezText& rez, const HopResult& hop) {
    if (hop.warnings.empty()) return;
    for (const std::string& w : hop.warnings) rez.Line("  " + w);
    rez.Line();
}

namespace {

// The method line of code 43.
std::string DiversityMethod(const HopResult& hop) {
    if (hop.station.diversityOrder == 1) return "    Разнесения нет (кратность 1).";
    if (hop.loss.scatterDominates)
        return "    Разнесение: модель программы на статистике P.617-6, п. 4 (независимые рэлеевские ветви, "
               "автовыбор).";
    return "    Разнесение: пространственное сдвоенное, P.530-17, п. 6.2.1, формула (100); разнос антенн 150 "
           "длин волн в пределах 3..23 м принят программой.";
}

}  // namespace

void FadingSection(RezText& rez, const HopResult& hop) {
    const ReliabilityResult& r = hop.reliability;
    rez.Line("  Замирания и дождь");
    if (hop.loss.scatterDominates) {
        rez.Line(
            "    Замирания тропосферного сигнала: медленные по P.617-6, п. 4.1 (средний год), быстрые "
            "рэлеевские (п. 4) - модель программы; наихудший месяц по P.841-6 (п. 4.2).");
    } else {
        rez.Line(
            "    Многолучевые замирания наихудшего месяца по P.530-17, п. 2.3.1-2.3.2: K по dN1 и s_a, "
            "так как P.530-19 берет K и dN75 с карт ITU, которых у программы нет.");
        rez.Coded(211, "Географо-климатический коэффициент K", r.geoclimaticFactor);
        rez.Coded(212, "Неровность рельефа s_a (по профилю), м", r.roughnessM);
        rez.Coded(213, "Коэффициент возникновения замираний p0, %", r.occurrencePct);
    }
    rez.Coded(40, "Замирания ниже порога, наихудший месяц, без разнесения, %", r.multipathPct);
    rez.Coded(214, "Интенсивность дождя R0.01 (P.837-7), мм/ч", r.rainRateMmH);
    rez.Coded(215, "Погонное ослабление в дожде (P.838-3, гориз.), дБ/км", r.rainSpecificDbKm);
    rez.Coded(41, "Ослабление в дожде, превышаемое 0.01 % времени, дБ", r.rainAttenuationDb);
    rez.Coded(42, "Перерыв связи из-за дождя, средний год, %", r.rainPct);
    rez.Line(DiversityMethod(hop));
    rez.Coded(43, "Выигрыш от разнесенного приема (коэффициент)", r.diversityGain);
    rez.Line();
}

void OutageSection(RezText& rez, const HopResult& hop) {
    const ReliabilityResult& r = hop.reliability;
    rez.Line("  Перерывы связи: наихудший месяц и средний год");
    if (hop.loss.scatterDominates)
        rez.Line(
            "    Тропосферные замирания: средний год по P.617-6, п. 4.1, наихудший месяц по P.841-6 "
            "(P.617-6, п. 4.2).");
    else
        rez.Line(
            "    Многолучевость: средний год из наихудшего месяца по P.530-19, п. 2.3.4: p = pw/Q по P.841-6 "
            "(Q1 = 2.85, beta = 0.13); широта не нужна.");
    rez.Line(
        "    Дождь: средний год по P.530-19, п. 2.4.1, наихудший месяц по P.841-6 (п. 2.4.1, шаг 6: "
        "pw = 2.85 p^0.87).");
    rez.Coded(224, "Многолучевые замирания, средний год, без разнесения, %", r.multipathYearPct);
    rez.Coded(225, "Перерыв из-за дождя, наихудший месяц (P.841-6), %", r.rainWorstMonthPct);
    rez.Coded(226, "Суммарный перерыв связи, наихудший месяц, %", r.worstMonthPct);
    rez.Coded(227, "Суммарный перерыв связи, средний год, %", r.yearPct);
    rez.Coded(228, "Время перерыва за наихудший месяц (30 сут), с", r.worstMonthOutageS);
    rez.Coded(229, "Время перерыва за средний год, мин", r.yearOutageMin);
    rez.Coded(230, "Неготовность из-за дождя, средний год (P.530-19, п. 7), %", r.unavailabilityPct);
    rez.Coded(231, "Нарушение качества от многолучевости, наихудший месяц, %", r.performancePct);
    rez.Coded(44, "Суммарная вероятность перерыва связи, средний год, %", r.totalPct);
    rez.CodedReliability(45, "Надежность связи на интервале, средний год, %", r.reliabilityPct);
    rez.CodedReliability(46, "Требуемая надежность связи, %", hop.station.requiredReliabilityPct);
    rez.CodedReliability(47, "Надежность с учетом предыдущих интервалов, %", r.chainPct);
    rez.Coded(48, "Требование выполнено (1 да, 0 нет)", r.met ? 1 : 0);
    rez.Line(
        "    Требование сравнивается со средним годом (код 47 с кодом 46). Дождь идет в неготовность, "
        "многолучевость - в показатели качества (P.530-19, п. 7).");
    rez.Line("  ВЫВОД: " + ReliabilityVerdict(hop) + ".");
    rez.Line(Printf("    Перерывы связи: %.0f с за наихудший месяц, %.1f мин за средний год.", r.worstMonthOutageS,
                    r.yearOutageMin));
    rez.Line();
}

void VerdictSection(RezText& rez, const HopResult& hop) {
    rez.Line("  ИТОГ");
    rez.Line("    - " + ClearanceVerdict(hop) + ".");
    rez.Line("    - " + ReliabilityVerdict(hop) + ".");
    rez.Line();
}

}  // namespace vakrel
