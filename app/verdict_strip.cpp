#include "verdict_strip.h"

#include "hop_verdict.h"
#include "rez_lines.h"

namespace vakrel {

namespace {

// A coded value of the report as its value field shows it, without the field's blanks.
std::string Coded(const RezText& report, int code) {
    for (const CodedValue& v : report.values())
        if (v.code == code) return Trimmed(FormatCodedValue(v.value));
    return "?";
}

std::string ClearancePart(const HopVerdict& verdict) {
    const MinimumKResult& m = verdict.result.minimumK;
    const RezText& report = verdict.report;
    // The report's own figures: F1 fractions as its clearance line gives them, the critical
    // points and k on their coded lines (8 and 5 at median k, 219 and 216 at k_e).
    return "Просвет " + Printf("%.2f", m.medianInF1) + " F1 на " + Coded(report, 8) + " км при k " + Coded(report, 5) +
           ", " + Printf("%.2f", m.minimumInF1) + " F1 на " + Coded(report, 219) + " км при k_e " + Coded(report, 216);
}

std::string CriterionPart(const HopResult& hop) {
    const MinimumKResult& m = hop.minimumK;
    if (m.met) return "P.530 выполнен";
    if (hop.propagationUsed == Propagation::Troposcatter) return "ТРЛ: просвет P.530 не требуется";
    return Printf("P.530 НЕ выполнен: поднять обе антенны на %.1f м", m.raiseM);
}

std::string OutagePart(const HopVerdict& verdict) {
    return "перерыв за год " + Coded(verdict.report, 44) + " %, " + ReliabilityAgainstRequirement(verdict.result);
}

}  // namespace

std::string ReliabilityAgainstRequirement(const HopResult& hop) {
    const ReliabilityResult& r = hop.reliability;
    return "надежность " + Trimmed(FormatReliabilityValue(r.chainPct)) + " % при требуемой " +
           Trimmed(FormatReliabilityValue(hop.station.requiredReliabilityPct)) +
           " %: " + (r.met ? "выполнено" : "НЕ выполнено");
}

QString VerdictStripText(const HopVerdict& verdict) {
    if (!verdict.calculated()) return verdict.refusal;
    const std::string text = ClearancePart(verdict) + " | " + CriterionPart(verdict.result) + " | запас " +
                             Coded(verdict.report, 32) + " дБ | " + OutagePart(verdict);
    return QString::fromStdString(text);
}

}  // namespace vakrel
