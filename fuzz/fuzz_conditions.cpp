// The propagation conditions reader; the input is the file, then optionally a name (code page
// 1251) after the part separator. See parameter_file_property.h for what is checked.
#include "conditions_file.h"
#include "parameter_file_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = vakrel::fuzz::SplitParts(vakrel::fuzz::AsText(data, size), 2);
    vakrel::fuzz::CheckParameterFile<vakrel::ConditionsFile>(parts[0], parts[1], vakrel::kConditionsFirstParamLine,
                                                             vakrel::ParseConditionsFile, vakrel::FormatConditionsFile);
    return 0;
}
