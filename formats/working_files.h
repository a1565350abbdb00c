#pragma once
// The files of a hop's working folder, by their short names, and how a path to one is made.
// Every program that opens one of them joins the name to the working folder itself, so that a
// file dialog that changed the current directory never moves a working file elsewhere.

#include <string>
#include <string_view>

namespace vakrel {

inline constexpr const char* kWorkingProfile = "prf.idn";
inline constexpr const char* kWorkingStation = "ttx.idn";
inline constexpr const char* kWorkingConditions = "rrv.idn";
inline constexpr const char* kBufferProfile = "buf.prf";
inline constexpr const char* kBufferStation = "buf.ttx";
inline constexpr const char* kResultFile = "vakrel.rez";
inline constexpr const char* kObjectCodesText = "prf.tip";
inline constexpr const char* kConditionCodesText = "rrv.tip";

// `name` in `folder`; `name` alone when `folder` is empty.
inline std::string InFolder(const std::string& folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string path = folder;
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

}  // namespace vakrel
