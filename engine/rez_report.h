#pragma once
// The result file vakrel.rez as a planner reads it, with every number on a coded line.

#include <string>
#include <string_view>

#include "hop_calculation.h"
#include "rez_lines.h"

namespace vakrel {

// The report of a finished calculation, code page 866 with CR LF, with its coded values.
RezText BuildReport(const HopInputs& inputs, const HopResult& hop);

// The report of a refused calculation: the title and one line "Ошибка: <message>" (UTF-8 in,
// code page 866 out), wrapped at the file's width, with no coded line.
RezText BuildErrorReport(std::string_view message);

}  // namespace vakrel
