#include "buffer_files.h"

#include "hop_cut.h"
#include "hop_model.h"
#include "text_file.h"
#include "working_files.h"

namespace vakrel {

std::string PrepareBufferStation(const HopModel& model) { return FormatStationFile(model.station); }

int WriteCutWithStation(const HopModel& model, ProfileLayout layout, const char* profileName, const char* stationName) {
    const std::string profilePath = InFolder(model.workingDirectory, profileName);
    const std::string stationPath = InFolder(model.workingDirectory, stationName);
    ProfileData cut = CutBetweenAntennas(model);
    const int leftOut = LeaveOutCollapsedPoints(cut);
    std::string profile =
        layout == ProfileLayout::Buffer ? FormatProfileBufferLayout(cut) : FormatProfileCompactLayout(cut);
    CheckProfileReadsBack(profile, cut, layout, profilePath);
    std::string station = PrepareBufferStation(model);
    CheckParametersReadBack(station, model.station.params.data(), kStationParams, kStationFirstParamLine, stationPath);
    WriteFilesTogether({{profilePath, std::move(profile)}, {stationPath, std::move(station)}});
    return leftOut;
}

int WriteBufferFiles(const HopModel& model) {
    return WriteCutWithStation(model, ProfileLayout::Buffer, kBufferProfile, kBufferStation);
}

}  // namespace vakrel
