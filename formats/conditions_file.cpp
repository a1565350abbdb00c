#include "conditions_file.h"

#include "parameter_file.h"
#include "text_file.h"

namespace vakrel {

namespace {
constexpr detail::ParameterLayout kLayout{kConditionsLines, kConditionsFirstParamLine, kConditionParams};
}

ConditionsFile ParseConditionsFile(std::string_view bytes) {
    ConditionsFile file;
    detail::ParseParameterFile(bytes, kLayout, file.lines.data(), file.params.data());
    return file;
}

ConditionsFile LoadConditionsFile(const std::string& path) { return ParseConditionsFile(ReadFileBytes(path)); }

std::string FormatConditionsFile(const ConditionsFile& file) {
    return detail::FormatParameterFile(kLayout, file.lines.data(), file.params.data());
}

void SaveConditionsFile(const std::string& path, ConditionsFile& file, std::string_view nameWin) {
    detail::SaveParameterFile(path, kLayout, file.lines.data(), file.params.data(), nameWin);
}

}  // namespace vakrel
