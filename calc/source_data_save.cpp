#include "source_data_save.h"

#include "buffer_files.h"
#include "working_files.h"

namespace vakrel {

int SaveCutAsSourceData(const HopModel& model) {
    return WriteCutWithStation(model, ProfileLayout::Compact, kWorkingProfile, kWorkingStation);
}

}  // namespace vakrel
