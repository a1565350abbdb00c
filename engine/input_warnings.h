#pragma once
// Inputs the engine takes but doubts: a value field that does not parse, a value outside the range
// its label states, or a value outside the validity of a model that uses it. Each becomes one line
// "Внимание: …" of the report naming the parameter, its value and what the engine took instead.
// Values that make no calculation possible are refused instead (see hop_inputs.h).

#include <string>
#include <vector>

#include "conditions_file.h"
#include "station_file.h"

namespace vakrel {

struct HopInputs;
struct HopResult;

// The value fields the engine reads that do not parse and so are read as 0, each quoted through
// QuotedInput; the names are the files' names as the report shows them.
void NoteUnreadableFields(const StationFile& station, const std::string& stationName, const ConditionsFile& conditions,
                          const std::string& conditionsName, std::vector<std::string>& warnings);

// Values outside their labels' ranges, and models used outside the ranges their Recommendations
// state, for the finished calculation `hop`.
std::vector<std::string> DoubtfulValues(const HopInputs& inputs, const HopResult& hop);

}  // namespace vakrel
