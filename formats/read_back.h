#pragma once
// A writer's last check before it puts a file in place: the bytes it is about to write are read
// back through the program's own reader and must give what the writer meant, up to the rounding
// of the layout. A file that would read back otherwise (a distance that rounds to the
// terminator's 0, a value wider than its field, a number the readers refuse) is never written:
// the check throws IoError with kReadBackMessage and the point or parameter that differs.

#include <string>
#include <string_view>

#include "profile_file.h"

namespace vakrel {

inline constexpr const char* kReadBackMessage = "Файл не записан: прочитанный, он дал бы другие данные";

// The layouts a profile is written in: the editor's (distances to 0.001 km, four fields a row),
// the compact layout of a cut (0.01 km, four fields) and the engine's buffer (0.01 km, two).
enum class ProfileLayout { Editor, Compact, Buffer };

// `meant` holds the points the layout carries: for the editor layout the points before a later
// one at distance 0, for the cut layouts every row of the cut.
void CheckProfileReadsBack(std::string_view bytes, const ProfileData& meant, ProfileLayout layout,
                           const std::string& path);

// The `count` values of a station or conditions file, from line `firstParamLine` (1-based),
// read back as ReadValueField reads them, to the 3 decimals of the value field.
void CheckParametersReadBack(std::string_view bytes, const double* meant, int count, int firstParamLine,
                             const std::string& path);

}  // namespace vakrel
