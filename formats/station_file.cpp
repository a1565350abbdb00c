#include "station_file.h"

#include "parameter_file.h"
#include "text_file.h"

namespace vakrel {

namespace {
constexpr detail::ParameterLayout kLayout{kStationLines, kStationFirstParamLine, kStationParams};
}

StationFile ParseStationFile(std::string_view bytes) {
    StationFile file;
    detail::ParseParameterFile(bytes, kLayout, file.lines.data(), file.params.data());
    return file;
}

StationFile LoadStationFile(const std::string& path) { return ParseStationFile(ReadFileBytes(path)); }

std::string FormatStationFile(const StationFile& file) {
    return detail::FormatParameterFile(kLayout, file.lines.data(), file.params.data());
}

void SaveStationFile(const std::string& path, StationFile& file, std::string_view nameWin) {
    detail::SaveParameterFile(path, kLayout, file.lines.data(), file.params.data(), nameWin);
}

}  // namespace vakrel
