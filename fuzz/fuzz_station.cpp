// The station characteristics reader; the input is the file, then optionally a name (code page
// 1251) after the part separator. See parameter_file_property.h for what is checked.
#include "parameter_file_property.h"
#include "station_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = vakrel::fuzz::SplitParts(vakrel::fuzz::AsText(data, size), 2);
    vakrel::fuzz::CheckParameterFile<vakrel::StationFile>(parts[0], parts[1], vakrel::kStationFirstParamLine,
                                                          vakrel::ParseStationFile, vakrel::FormatStationFile);
    return 0;
}
