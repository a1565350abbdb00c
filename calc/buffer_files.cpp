#include "buffer_files.h"

#include "hop_cut.h"
#include "hop_model.h"
#include "text_file.h"

namespace vakrel {

std::string PrepareBufferStation(HopModel& model) {
    model.stationParam(kAntenna1HeightParam) = model.antennas.height1;
    model.stationParam(kAntenna2HeightParam) = model.antennas.height2;
    return FormatStationFile(model.station);
}

void WriteBufferFiles(HopModel& model) {
    WriteFilesTogether({
        {kBufferProfile, FormatProfileBufferLayout(CutBetweenAntennas(model))},
        {kBufferStation, PrepareBufferStation(model)},
    });
}

}  // namespace vakrel
