#include "source_data_save.h"

#include "buffer_files.h"
#include "hop_cut.h"
#include "text_file.h"

namespace vakrel {

void SaveCutAsSourceData(HopModel& model) {
    WriteFilesTogether({
        {"prf.idn", FormatProfileCompactLayout(CutBetweenAntennas(model))},
        {"ttx.idn", PrepareBufferStation(model)},
    });
}

}  // namespace vakrel
