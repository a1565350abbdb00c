#include "profile_header.h"

#include <cstdio>
#include <filesystem>

#include "codepage.h"

namespace vakrel {

namespace {

std::string Absolute(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string JoinPaths(const std::vector<std::string>& paths) {
    std::string joined;
    for (const auto& path : paths) joined += (joined.empty() ? "" : "; ") + Absolute(path);
    return joined;
}

std::string Line(const char* format, double a, double b) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

std::array<std::string, kProfileHeaderLines> ProfileHeader(const ProfileHeaderFacts& facts) {
    const double spacing = facts.pointCount > 1 ? facts.lengthKm / (facts.pointCount - 1) : 0;
    const std::array<std::string, kProfileHeaderLines> utf8 = {
        "         ПРОФИЛЬ МЕСТНОСТИ ПО КАРТЕ ВЫСОТ",
        "         ════════════════════════════════",
        "Интервал  : ",
        "Точка 1   : " + Line("%.6f, %.6f (WGS84, широта, долгота)", facts.from.lat, facts.from.lon),
        "Точка 2   : " + Line("%.6f, %.6f (WGS84, широта, долгота)", facts.to.lat, facts.to.lon),
        "Длина     : " + Line("%.3f км, по геодезической, шаг %.3f км", facts.lengthKm, spacing) +
            ", точек: " + std::to_string(facts.pointCount),
        "Высоты    : " + JoinPaths(facts.demPaths),
        "Покров    : " + (facts.landCoverPath.empty() ? std::string("не задан, объектов нет")
                                                      : Absolute(facts.landCoverPath) + " (классы ESA WorldCover)"),
        std::string("Построен  : vakrel-profile ") + VAKREL_VERSION,
        "Коды объектов: 0-нет, 1-лес, 2-вода, 3-застройка, 4-песок,",
        "               5-скалы, 6-болото, 7-пром.объекты, 8-море",
        "   Расстояние      Высота      Код    Высота объекта",
        "       км        м (верх)                   м",
        "────────────────────────────────────────────────────",
        "",
    };
    std::array<std::string, kProfileHeaderLines> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = Utf8ToCp866(utf8[i]);
    return lines;
}

}  // namespace vakrel
