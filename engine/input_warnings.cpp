#include "input_warnings.h"

#include <array>
#include <cmath>

#include "codepage.h"
#include "hop_calculation.h"
#include "hop_reliability.h"
#include "number_format.h"
#include "p530_rain.h"
#include "parameter_line.h"
#include "quoted_input.h"
#include "rez_lines.h"

namespace vakrel {

namespace {

constexpr std::size_t kValueColumn = 65;  // 0-based start of the value field, columns 66-74
constexpr std::size_t kValueWidth = 9;

// Names of the station characteristics (buf.ttx) in file order; the beamwidths (3 and 8) are not used.
// clang-format off
constexpr std::array<const char*, 15> kStationNames = {
    "мощность передатчика", "усиление антенны 1", nullptr, "потери в тракте 1", "высота антенны 1",
    "чувствительность приемника", "усиление антенны 2", nullptr, "потери в тракте 2", "высота антенны 2",
    "рабочая частота", "требуемая надежность", "надежность предыдущих интервалов", "режим",
    "кратность разнесения"};

constexpr std::array<const char*, 16> kConditionNames = {
    "тип РРВ", "тип подстилающей поверхности", "номер месяца", "номер района", "тип неровностей ЕПР",
    "тип поверхности ЕПР", "климатический фактор", "коэффициент приземного преломления", "градиент рефракции",
    "СКО высот ЕПР", "радиус корреляции высот ЕПР", "проницаемость ЕПР", "проводимость ЕПР",
    "средняя интенсивность дождей", "вероятность дождей", "коэффициент рефракции"};
// clang-format on

std::string Number(double v) { return FormatGeneral(v, '.'); }

template <std::size_t N, std::size_t M>
void NoteUnreadable(const std::array<std::string, N>& lines, int firstParamLine,
                    const std::array<const char*, M>& names, const std::string& fileName,
                    std::vector<std::string>& warnings) {
    for (std::size_t i = 0; i < M; ++i) {
        if (!names[i]) continue;
        const std::string& line = lines[static_cast<std::size_t>(firstParamLine - 1) + i];
        if (ParseValueField(line)) continue;
        const std::string field =
            line.size() > kValueColumn ? QuotedInput(Trimmed(Cp866ToUtf8(line.substr(kValueColumn, kValueWidth)))) : "";
        warnings.push_back("Внимание: " + fileName + ", строка " +
                           std::to_string(firstParamLine + static_cast<int>(i)) + " (" + names[i] +
                           "): " + (field.empty() ? "значения нет" : "\"" + field + "\" не число") + ", взято 0.");
    }
}

// A code that should be a whole number within [lowest, highest].
bool CodeOutside(double value, int lowest, int highest) {
    const int code = TruncateToInt(value);
    return code < lowest || code > highest;
}

class Notes {
public:
    explicit Notes(std::vector<std::string>& out) : out_(out) {}
    void Condition(int number, double value, const std::string& range, const std::string& taken) {
        Add(std::string(kConditionNames[static_cast<std::size_t>(number - 1)]) + " (условие " + std::to_string(number) +
            ") = " + Number(value) + " вне " + range + ": " + taken);
    }
    void Station(int number, double value, const std::string& range, const std::string& taken) {
        Add(std::string(kStationNames[static_cast<std::size_t>(number - 1)]) + " (характеристика " +
            std::to_string(number) + ") = " + Number(value) + " вне " + range + ": " + taken);
    }
    void Add(const std::string& text) { out_.push_back("Внимание: " + text + "."); }

private:
    std::vector<std::string>& out_;
};

void LabelRanges(const HopInputs& in, Notes& note) {
    const std::array<double, 16>& c = in.conditions;
    if (CodeOutside(c[0], 0, 5)) note.Condition(1, c[0], "0..5", "взят 0, выбор по профилю");
    const int surface = TruncateToInt(c[1]);
    if (surface < 0 || surface > 3 || (surface != 0 && c[1] != surface))
        note.Condition(2, c[1], "1..3 и 0.xx",
                       surface >= 1 && surface <= 3 ? "взят код " + std::to_string(surface) : "взята сухая почва");
    const bool typical = in.refraction.region >= 1 && in.refraction.region <= 21;
    if (CodeOutside(c[2], 0, 12))
        note.Condition(3, c[2], "0..12",
                       typical ? "месяц не определен, взят месяц " + std::to_string(in.refraction.month)
                               : "не используется (нетиповой район)");
    if (CodeOutside(c[3], 0, 21)) note.Condition(4, c[3], "0..21", "район нетиповой");
    if (CodeOutside(c[4], 0, 3)) note.Condition(5, c[4], "0..3", "нетиповая, по условиям 10 и 11");
    if (CodeOutside(c[5], 0, 4)) note.Condition(6, c[5], "0..4", "нетиповая, по условиям 12 и 13");
    if (!(c[7] > 0)) note.Condition(8, c[7], "N0 > 0", "взято 315, среднее мировое (P.453)");
    if (c[13] < 0) note.Condition(14, c[13], "0 и выше", "взято 0");
    if (c[14] < 0 || c[14] > 100)
        note.Condition(15, c[14], "0..100 %", "взято " + Number(std::fmax(0, std::fmin(c[14], 100))));

    const std::array<double, 15>& s = in.station;
    if (s[4] < 0) note.Station(5, s[4], "0 м и выше", "взята как задана");
    if (s[9] < 0) note.Station(10, s[9], "0 м и выше", "взята как задана");
    if (s[11] < 0 || s[11] > 100) note.Station(12, s[11], "0..100 %", "сравнивается как задана");
    // 0 is the usual "no preceding hop"; only a value beyond 0-100 is doubtful.
    if (s[12] < 0 || s[12] > 100) note.Station(13, s[12], "0..100 %", "взято 100 (предыдущих интервалов нет)");
    if (CodeOutside(s[13], 0, 1)) note.Station(14, s[13], "0..1", "взят аналоговый");
    if (CodeOutside(s[14], 1, 8))
        note.Station(15, s[14], "1..8", "взято " + std::to_string(in.station[14] < 1 ? 1 : 8));
}

// The rain method of P.530-19 §2.4.1: its stated reach, and the time range of its power law (34)
// for the outage found at the margin (a margin of 0 or less is out all the time, not by the law).
void RainRanges(const HopResult& hop, const std::string& fText, Notes& note) {
    const ReliabilityResult& r = hop.reliability;
    if (r.rainAttenuationDb <= 0) return;
    const double d = hop.geometry.lengthKm;
    if (hop.frequencyMHz / 1000 > 175 || d > 60)
        note.Add("ослабление в дожде P.530-19 (п. 2.4.1) дано до 175 ГГц и 60 км (здесь " + fText + ", " + Number(d) +
                 " км): взято по его формулам");
    if (hop.marginDb > 0 && (r.rainPct < p530::kLawLowestPct || r.rainPct > p530::kLawHighestPct))
        note.Add("перерыв из-за дождя " + Number(r.rainPct) +
                 " % вне 0.001..1 % закона (34) P.530-19 (п. 2.4.1): " + "взят по его формуле");
}

void ModelRanges(const HopResult& hop, Notes& note) {
    const double f = hop.frequencyMHz / 1000;
    const double d = hop.geometry.lengthKm;
    const std::string fText = Number(f) + " ГГц";
    if (f < 1 || f > 1000)
        note.Add("частота " + fText + " вне 1..1000 ГГц метода P.676-13: поглощение в газах по его формулам");
    if (hop.reliability.rainRateMmH > 0 && f < 1)
        note.Add("частота " + fText + " ниже 1 ГГц метода P.838-3: дождь не учтен");
    RainRanges(hop, fText, note);
    if (!hop.loss.scatterDominates) {
        if (f < 15 / d || f > 45)
            note.Add("частота " + fText + " вне области многолучевых замираний P.530-17 (п. 2.3.1: от 15/d = " +
                     Number(15 / d) + " до 45 ГГц): расчет по его формулам");
        if (hop.station.diversityOrder > kLineOfSightDiversityCounted)
            note.Add("кратность разнесения " + std::to_string(hop.station.diversityOrder) +
                     ": для прямой видимости P.530 дает выигрыш только сдвоенного приема (P.530-17, п. 6.2.1), " +
                     "учтен он");
        if (hop.station.diversityOrder > 1 && (f < 2 || f > 11 || d < 43 || d > 240))
            note.Add("разнесение P.530-17 (п. 6.2.1) дано для 2..11 ГГц и 43..240 км (здесь " + fText + ", " +
                     Number(d) + " км): выигрыш по его формуле");
    }
}

}  // namespace

void NoteUnreadableFields(const StationFile& station, const std::string& stationName, const ConditionsFile& conditions,
                          const std::string& conditionsName, std::vector<std::string>& warnings) {
    NoteUnreadable(station.lines, kStationFirstParamLine, kStationNames, stationName, warnings);
    NoteUnreadable(conditions.lines, kConditionsFirstParamLine, kConditionNames, conditionsName, warnings);
}

std::vector<std::string> DoubtfulValues(const HopInputs& in, const HopResult& hop) {
    std::vector<std::string> warnings;
    Notes note(warnings);
    LabelRanges(in, note);
    ModelRanges(hop, note);
    return warnings;
}

}  // namespace vakrel
