#pragma once
// The result file vakrel.rez as a planner reads it, with every number on a coded line.

#include <string>
#include <string_view>

#include "hop_calculation.h"

namespace vakrel {

// The report of a finished calculation, code page 866 with CR LF.
std::string BuildReport(const HopInputs& inputs, const HopResult& hop);

// The report of a refused calculation: the title and one line "Ошибка: <message>" (UTF-8 in,
// code page 866 out), wrapped at the file's width, with no coded line.
std::string BuildErrorReport(std::string_view message);

}  // namespace vakrel
