#include "profile_arguments.h"

#include <charconv>

#include "terrain_refusal.h"

namespace vakrel {

namespace {

double ParseNumber(const std::string& text, const std::string& option) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw TerrainRefusal(option + " " + text + ": ожидается число");
    return value;
}

GeoPoint ParseGeoPoint(const std::string& text, const std::string& option) {
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        throw TerrainRefusal(option + " " + text + ": ожидается ШИРОТА,ДОЛГОТА в градусах (55.75,37.62)");
    return {ParseNumber(text.substr(0, comma), option), ParseNumber(text.substr(comma + 1), option)};
}

}  // namespace

ProfileArguments ParseProfileArguments(const std::vector<std::string>& args) {
    ProfileArguments parsed;
    bool from = false;
    bool to = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (option == "--version") {
            parsed.version = true;
            return parsed;
        }
        if (option == "--progress") {
            parsed.progressLines = true;
            continue;
        }
        if (i + 1 >= args.size()) throw TerrainRefusal(option + ": не хватает значения или неизвестный ключ");
        const std::string& value = args[++i];
        if (option == "--from") {
            parsed.request.from = ParseGeoPoint(value, option);
            from = true;
        } else if (option == "--to") {
            parsed.request.to = ParseGeoPoint(value, option);
            to = true;
        } else if (option == "--dem") {
            parsed.request.demPaths.push_back(value);
        } else if (option == "--landcover") {
            parsed.request.landCoverPath = value;
        } else if (option == "--name") {
            parsed.request.name = value;
        } else if (option == "--max-points") {
            const double n = ParseNumber(value, option);
            if (n != static_cast<int>(n)) throw TerrainRefusal(option + " " + value + ": ожидается целое число");
            parsed.request.maxPoints = static_cast<int>(n);
        } else if (option == "-o") {
            parsed.output = value;
        } else {
            throw TerrainRefusal(option + ": неизвестный ключ (--help)");
        }
    }
    if (!from) throw TerrainRefusal("не задано начало пути (--from ШИРОТА,ДОЛГОТА)");
    if (!to) throw TerrainRefusal("не задан конец пути (--to ШИРОТА,ДОЛГОТА)");
    if (parsed.request.demPaths.empty()) throw TerrainRefusal("не задана карта высот (--dem ПУТЬ)");
    if (parsed.output.empty()) throw TerrainRefusal("не задан файл профиля (-o ФАЙЛ)");
    return parsed;
}

std::string ProfileUsage() {
    return "Использование: vakrel-profile --from ШИРОТА,ДОЛГОТА --to ШИРОТА,ДОЛГОТА --dem ПУТЬ [--dem ПУТЬ ...]\n"
           "                      [--landcover ПУТЬ] [--name ТЕКСТ] [--max-points N] -o ФАЙЛ\n"
           "\n"
           "Строит профиль местности по геодезической линии между двумя точками WGS84 (градусы,\n"
           "десятичная точка) и записывает его файлом профиля (кодовая страница 866, CR LF).\n"
           "\n"
           "  --dem ПУТЬ        растр высот (SRTM .hgt, GeoTIFF, DTED, VRT, ...) или папка с растрами,\n"
           "                    которые складываются в одну мозаику; ключ можно повторять\n"
           "  --landcover ПУТЬ  растр покрова в классах ESA WorldCover: коды и высоты объектов\n"
           "                    (без него у всех точек код 0 и высота объектов 0)\n"
           "  --name ТЕКСТ      название профиля (по умолчанию - координаты обоих концов)\n"
           "  --max-points N    не более N точек, 2...1000 (по умолчанию 1000); шаг - около одной\n"
           "                    ячейки самого подробного растра, расширенный до этого предела\n"
           "  -o ФАЙЛ           файл профиля; при отказе не пишется, прежний файл остается как был\n"
           "  --progress        строки «N%» в stdout по ходу работы, для запускающей программы\n"
           "  --help, --version\n"
           "\n"
           "Высоты - билинейная интерполяция, в метрах над уровнем, принятым в растре; высота вне\n"
           "-500...9000 м - отказ. Путь не длиннее 327.67 км. Читаются только локальные файлы: не адреса\n"
           "в сети и не виртуальные файловые системы GDAL (/vsicurl/, ...), не каналы и не устройства.\n"
           "Код выхода 0 - профиль записан, 1 - отказ (причина - в stderr), 2 - ошибка ключей.\n";
}

}  // namespace vakrel
