#pragma once
// The result file vakrel.rez as a planner reads it, with every number on a coded line.

#include <array>
#include <string>
#include <string_view>

#include "hop_calculation.h"
#include "hop_heights.h"
#include "rez_lines.h"

namespace vakrel {

// The report of a finished calculation, code page 866 with CR LF, with its coded values; with the
// heights of FindHeights when `heights` is given (codes 232-237).
RezText BuildReport(const HopInputs& inputs, const HopResult& hop,
                    const std::array<HeightSolution, 3>* heights = nullptr);

// The report of a refused calculation: the title and one line "Ошибка: <message>" (UTF-8 in,
// code page 866 out), wrapped at the file's width, with no coded line.
RezText BuildErrorReport(std::string_view message);

}  // namespace vakrel
