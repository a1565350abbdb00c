#pragma once
// The results report: the inputs of the calculation joined with every line the engine wrote.

#include <string>
#include <vector>

namespace vakrel {

struct HopModel;
struct ResultFile;

// Appends the report's lines (code page 1251) to `lines`, reading buf.prf, buf.ttx, rrv.idn and
// vakrel.rez from the model's working directory, and returns what the result file held. Throws IoError
// at the first file that cannot be read; the lines appended until then stay in `lines`.
// `separator` is the locale's decimal separator for the placement numbers.
ResultFile BuildReport(const HopModel& model, char separator, std::vector<std::string>& lines);

}  // namespace vakrel
