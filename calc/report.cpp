#include "report.h"

#include <cmath>

#include "codepage.h"
#include "hop_model.h"
#include "number_format.h"
#include "result_file.h"
#include "text_file.h"
#include "working_files.h"

namespace vakrel {

namespace {

// The lines `first`..`last` (1-based) of a data file as the report shows them.
void AppendFileLines(std::vector<std::string>& lines, const std::string& bytes, int first, int last) {
    LineReader in(bytes);
    for (int n = 1; n <= last; ++n) {
        const std::string_view line = in.NextLine();
        if (n >= first) lines.push_back(ReportLine(line));
    }
}

void AppendText(std::vector<std::string>& lines, const char* utf8) { lines.push_back(Utf8ToCp1251(utf8)); }

void AppendNumber(std::vector<std::string>& lines, const char* utf8Label, double value, char separator) {
    lines.push_back(Utf8ToCp1251(utf8Label) + FormatGeneral(value, separator));
}

}  // namespace

ResultFile BuildReport(const HopModel& model, char separator, std::vector<std::string>& lines) {
    const auto& a = model.antennas;
    const double length = model.profile.points.empty() ? 0.0 : model.profile.points.back().distance;

    AppendText(lines, "         Исходные данные и результаты расчета интервала РРЛ(ТРЛ) ");
    AppendText(lines, "");
    AppendFileLines(lines, ReadFileBytes(InFolder(model.workingDirectory, kBufferProfile)), 3, 3);
    AppendText(lines, "");
    AppendText(lines, "Варьируемые параметры положения антенн:");
    AppendNumber(lines, "   1.Смещение антенны РРС1 вправо (км): ", RoundToHundredths(a.position1), separator);
    AppendNumber(lines, "   2.Смещение антенны РРС2 влево  (км): ",
                 RoundToHundredths(static_cast<long double>(length) - a.position2), separator);
    AppendNumber(lines, "   3.Высота антенны РРС1 (м): ", model.antennaHeight1(), separator);
    AppendNumber(lines, "   4.Высота антенны РРС2 (м): ", model.antennaHeight2(), separator);
    AppendNumber(lines, "   5.Итоговая длина интервала (км): ",
                 RoundToHundredths(static_cast<long double>(a.position2) - a.position1), separator);
    AppendText(lines, "");
    AppendText(lines, "                  Тактико-технические характеристики РРС(ТРС):");
    AppendText(lines, "");
    const std::string station = ReadFileBytes(InFolder(model.workingDirectory, kBufferStation));
    AppendFileLines(lines, station, 3, 3);
    AppendFileLines(lines, station, 14, 28);
    AppendText(lines, "");
    AppendText(lines, "                  Параметры условий распространения радиоволн:");
    AppendText(lines, "");
    const std::string conditions = ReadFileBytes(InFolder(model.workingDirectory, kWorkingConditions));
    AppendFileLines(lines, conditions, 3, 3);
    AppendFileLines(lines, conditions, 15, 30);
    ResultFile result = ParseResultFile(ReadFileBytes(InFolder(model.workingDirectory, kResultFile)));
    lines.insert(lines.end(), result.lines.begin(), result.lines.end());
    return result;
}

}  // namespace vakrel
