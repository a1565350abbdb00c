#include "rez_report.h"

#include <cstdio>
#include <string>

#include "codepage.h"
#include "rez_lines.h"
#include "rez_sections.h"

namespace vakrel {

namespace {

constexpr std::string_view kTitle = "        РАСЧЕТ ИНТЕРВАЛА РРЛ (ТРЛ): РЕЗУЛЬТАТЫ ПРОГРАММЫ vakrel.exe";

const char* PathClassName(PathClass c) {
    switch (c) {
        case PathClass::Open: return "открытый";
        case PathClass::SemiOpen: return "полуоткрытый";
        case PathClass::Closed: return "закрытый";
    }
    return "";
}

const char* PropagationName(Propagation p) {
    switch (p) {
        case Propagation::LineOfSight: return "прямая видимость";
        case Propagation::LineOfSightReflected: return "прямая видимость с отражением от земли";
        case Propagation::Diffraction: return "дифракция на закрытом интервале";
        case Propagation::Troposcatter: return "тропосферное рассеяние";
        case Propagation::DiffractionAndScatter: return "дифракция и тропосферное рассеяние";
        case Propagation::Automatic: break;
    }
    return "выбирается программой";
}

// A list of points in the order the windowed program reads: count, distances, offsets.
void WriteList(RezText& rez, const ResultListCodes& list, const char* what, const HopPoint* points, std::size_t count) {
    count = std::min(count, static_cast<std::size_t>(kResultListCapacity));
    rez.Coded(list.count, std::string("Число точек: ") + what, static_cast<double>(count));
    for (std::size_t i = 0; i < count; ++i)
        rez.Coded(list.distance, "  расстояние от антенны 1, км", points[i].distanceKm);
    for (std::size_t i = 0; i < count; ++i)
        rez.Coded(list.offset, "  смещение от линии прямой видимости, м", points[i].offsetM);
}

void Title(RezText& rez) {
    rez.Line(kTitle);
    rez.Line();
}

void Inputs(RezText& rez, const HopInputs& in, const HopResult& hop) {
    const StationParameters& s = hop.station;
    rez.Line("  Исходные данные (кратко)");
    rez.Line(Printf("    точек профиля: %.0f; мощность передатчика %.2f дБВт;",
                    static_cast<double>(in.profile.distanceKm.size()), s.txPowerDbw));
    rez.Line(Printf("    усиление антенн %.1f и ", s.txGainDb) + Printf("%.1f дБ; потери в трактах ", s.rxGainDb) +
             Printf("%.1f и %.1f дБ;", s.txFeederLossDb, s.rxFeederLossDb));
    rez.Line(std::string("    режим: ") + (s.digital ? "цифровой" : "аналоговый") +
             Printf("; кратность разнесения %.0f;", s.diversityOrder));
    rez.Line(Printf("    район %.0f, месяц %.0f; ", in.refraction.region, in.refraction.month) +
             Printf("градиент рефракции %.3f 1/м; k = %.4f.", in.refraction.gradient, hop.kFactor));
    rez.Line(std::string("    Тип РРВ: ") + PropagationName(hop.conditions.propagation) + ".");
    rez.Line();
}

void Geometry(RezText& rez, const HopResult& hop) {
    const HopGeometry& g = hop.geometry;
    rez.Line("  Геометрия интервала");
    rez.Coded(1, "Длина интервала, км", g.lengthKm);
    rez.Coded(2, "Рабочая частота, МГц", hop.frequencyMHz);
    rez.Coded(3, "Длина волны, м", hop.wavelengthM);
    rez.Coded(4, "Эквивалентный радиус Земли, км", hop.radiusKm);
    rez.Coded(5, "Коэффициент k = радиус / 6370", hop.kFactor);
    rez.Coded(6, "Высота вершины антенны 1 над уровнем моря, м", g.txTopM);
    rez.Coded(7, "Высота вершины антенны 2 над уровнем моря, м", g.rxTopM);
    rez.Coded(8, "Расстояние до критической точки от антенны 1, км", g.critical.distanceKm);
    rez.Coded(9, "Просвет H(g) в критической точке, м", g.critical.clearanceM);
    rez.Coded(10, "Радиус минимальной зоны H0(g), м", g.critical.zoneRadiusM);
    rez.Coded(11, "Относительный просвет p(g) = H/H0", g.critical.relative);
    rez.Coded(12, "Класс интервала (1 откр., 2 полуоткр., 3 закр.)", static_cast<double>(g.pathClass));
    rez.Coded(13, "Вид распространения (1..5)", static_cast<double>(hop.propagationUsed));
    rez.Coded(200, "Радиус первой зоны Френеля в критической точке, м", FirstFresnelRadiusM(g.critical));
    rez.Coded(201, "Угол закрытия горизонта антенны 1 (P.452-18), мрад", g.txHorizonMrad);
    rez.Coded(202, "Угол закрытия горизонта антенны 2 (P.452-18), мрад", g.rxHorizonMrad);
    rez.Line(std::string("    Интервал ") + PathClassName(g.pathClass) +
             "; расчет: " + PropagationName(hop.propagationUsed) + ".");
    HopPoint obstacles[2] = {{g.critical.distanceKm, g.critical.clearanceM}, {}};
    std::size_t count = 1;
    if (g.second) obstacles[count++] = {g.second->distanceKm, g.second->clearanceM};
    WriteList(rez, kResultListCodes[0], "критическая точка и второе препятствие", obstacles, count);
    rez.Line();
}

void Reflection(RezText& rez, const HopResult& hop) {
    rez.Line("  Отражение от земли (открытый интервал)");
    rez.Line(
        "    Двухлучевая модель программы: поверхность по P.527-6, точка отражения на сфере как в "
        "P.526-16, п. 3.1.1.");
    const std::optional<ReflectionResult>& r = hop.reflection;
    if (!r) {
        rez.Line("    Точки отражения нет: интервал не открытый или антенны ниже ЕПР.");
        WriteList(rez, kResultListCodes[1], "точка отражения", nullptr, 0);
        rez.Line();
        return;
    }
    rez.Coded(203, "Угол скольжения, мрад", r->grazingMrad);
    rez.Coded(204, "Коэффициент расходимости D", r->divergence);
    rez.Coded(205, "Модуль коэффициента отражения гладкой поверхности", r->coefficient);
    rez.Coded(206, "Множитель шероховатости", r->roughnessFactor);
    rez.Coded(207, "Разность хода прямого и отраженного лучей, м", r->pathDifferenceM);
    // Shown for every open path; the loss counts it only where the propagation type counts the reflection.
    const bool counted = hop.propagationUsed == Propagation::LineOfSightReflected;
    rez.Coded(208,
              counted ? "Интерференционный множитель (учтен, код 24), дБ"
                      : "Интерференционный множитель (не учтен: тип РРВ не 2), дБ",
              r->interferenceDb);
    const HopPoint point{r->pointKm, r->belowLosM};
    WriteList(rez, kResultListCodes[1], "точка отражения", &point, 1);
    rez.Line();
}

void Losses(RezText& rez, const HopResult& hop) {
    const LossResult& l = hop.loss;
    rez.Line("  Потери на трассе (медианные)");
    rez.Line(
        "    Свободное пространство P.525-4, п. 2.2; газы P.676-13, прил. 1 (стандартная атмосфера); "
        "дифракция P.526-16, п. 4.5; тропосферное рассеяние P.617-6, п. 4.1 (формула (4)).");
    rez.Coded(20, "Потери в свободном пространстве (P.525-4), дБ", l.freeSpaceDb);
    rez.Coded(21, "Поглощение в газах атмосферы (P.676-13), дБ", l.gasDb);
    rez.Coded(22, "Дифракционные потери, дельта-Буллингтон (P.526-16), дБ", l.diffractionDb);
    rez.Coded(23, "Потери тропосферного рассеяния с потерями связи, дБ", l.troposcatterDb);
    rez.Coded(24, "Интерференционный множитель отраженного луча, дБ", l.interferenceDb);
    rez.Coded(25, "Суммарные медианные потери на трассе, дБ", l.totalDb);
    rez.Coded(209, "Угол рассеяния (P.617-6), мрад", l.scatterAngleMrad);
    rez.Coded(210, "Потери связи апертуры со средой (P.617-6), дБ", l.couplingDb);
    const std::size_t count = hop.bullingtonPoint ? 1 : 0;
    WriteList(rez, kResultListCodes[2], "точка Буллингтона / вершина объема рассеяния",
              hop.bullingtonPoint ? &*hop.bullingtonPoint : nullptr, count);
    rez.Line();
}

void Budget(RezText& rez, const HopResult& hop) {
    rez.Line("  Энергетический расчет");
    rez.Coded(30, "Медианная мощность сигнала на входе приемника, дБВт", hop.receivedDbw);
    rez.Coded(31, "Реальная чувствительность приемника, дБВт", hop.station.sensitivityDbw);
    rez.Coded(32, "Запас на замирания, дБ", hop.marginDb);
    rez.Line();
}

}  // namespace

RezText BuildReport(const HopInputs& inputs, const HopResult& hop, const std::array<HeightSolution, 3>* heights) {
    RezText rez;
    Title(rez);
    VerdictSection(rez, hop);
    Inputs(rez, inputs, hop);
    WarningsSection(rez, hop);
    Geometry(rez, hop);
    Reflection(rez, hop);
    Losses(rez, hop);
    Budget(rez, hop);
    ClearanceSection(rez, hop);
    FadingSection(rez, hop);
    OutageSection(rez, hop);
    if (heights) HeightsSection(rez, *heights);
    return rez;
}

RezText BuildErrorReport(std::string_view message) {
    RezText rez;
    Title(rez);
    rez.Line("  Ошибка: " + std::string(message));
    return rez;
}

}  // namespace vakrel
