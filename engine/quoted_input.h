#pragma once
// Texts the engine copies from its inputs into the report and the JSON: a value field it doubts,
// the name of a file it was given. Such a text may hold any byte; as shown, none of its bytes can
// end a line of vakrel.rez or the file itself for a line reader (CR, LF, Ctrl-Z), and it is short
// enough that the report's wrapping never has to split it.

#include <cstddef>
#include <string>
#include <string_view>

namespace vakrel {

// The most columns (bytes of code page 866) a quoted text takes in the report, its cut mark included.
inline constexpr std::size_t kQuotedInputWidth = 40;

// `text` (UTF-8) as the report and the JSON show it: every byte below 0x20, 0x7F and every byte
// that is no part of a well-formed UTF-8 character written as \xNN (two upper-case hex digits),
// a backslash as \\, and the rest unchanged; cut after whole characters and marked "..." when it
// would take more than kQuotedInputWidth columns.
std::string QuotedInput(std::string_view text);

}  // namespace vakrel
