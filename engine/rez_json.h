#pragma once
// The machine-readable twin of vakrel.rez for scripts and batch runs: every coded value with its
// code, label, unit and value, the warnings, and the error of a refused calculation, as JSON in UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "rez_lines.h"

namespace vakrel {

// The unit of a coded label: the text after its last ", " when that is one word ("км", "дБ/км",
// "%"); empty otherwise. `labelOut` gets the label without it.
std::string SplitUnit(std::string_view label, std::string& labelOut);

// {"program", "version", "status": "calculated" | "refused", "error" (refused only), "warnings",
// "values": [{"code", "label", "unit", "value"}, ...]} in the order of the report.
std::string FormatJson(const RezText& report, const std::vector<std::string>& warnings, std::string_view error);

}  // namespace vakrel
