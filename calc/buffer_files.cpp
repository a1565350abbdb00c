#include "buffer_files.h"

#include "hop_cut.h"
#include "hop_model.h"
#include "text_file.h"
#include "working_files.h"

namespace vakrel {

std::string PrepareBufferStation(const HopModel& model) { return FormatStationFile(model.station); }

LaidOutCut LayOutCut(const HopModel& model, ProfileLayout layout) {
    LaidOutCut laidOut{CutBetweenAntennas(model), 0, {}};
    laidOut.leftOut = LeaveOutCollapsedPoints(laidOut.cut);
    laidOut.bytes = layout == ProfileLayout::Buffer ? FormatProfileBufferLayout(laidOut.cut)
                                                    : FormatProfileCompactLayout(laidOut.cut);
    return laidOut;
}

int WriteCutWithStation(const HopModel& model, ProfileLayout layout, const char* profileName, const char* stationName) {
    const std::string profilePath = InFolder(model.workingDirectory, profileName);
    const std::string stationPath = InFolder(model.workingDirectory, stationName);
    LaidOutCut profile = LayOutCut(model, layout);
    CheckProfileReadsBack(profile.bytes, profile.cut, layout, profilePath);
    std::string station = PrepareBufferStation(model);
    CheckParametersReadBack(station, model.station.params.data(), kStationParams, kStationFirstParamLine, stationPath);
    WriteFilesTogether({{profilePath, std::move(profile.bytes)}, {stationPath, std::move(station)}});
    return profile.leftOut;
}

int WriteBufferFiles(const HopModel& model) {
    return WriteCutWithStation(model, ProfileLayout::Buffer, kBufferProfile, kBufferStation);
}

}  // namespace vakrel
