#pragma once
// The propagation conditions file: 31 lines, lines 15-30 the 16 parameter lines.

#include <array>
#include <string>

namespace vakrel {

inline constexpr int kConditionsLines = 31;
inline constexpr int kConditionParams = 16;
inline constexpr int kConditionsFirstParamLine = 15;  // 1-based

// Propagation conditions by number (1-based, as the file orders them) that the refraction data
// takes (RefractionFromConditions).
inline constexpr int kMonthParam = 3;
inline constexpr int kRegionParam = 4;
inline constexpr int kGradientParam = 9;
inline constexpr int kCoefficientParam = 16;

struct ConditionsFile {
    std::array<std::string, kConditionsLines> lines;  // kept lines, code page 866
    std::array<double, kConditionParams> params{};    // values as read; params[0] is number 1
};

// Reads a conditions file; missing lines are empty and read as 0. Throws IoError; all or nothing.
ConditionsFile LoadConditionsFile(const std::string& path);
ConditionsFile ParseConditionsFile(std::string_view bytes);

// Rebuilds kept line 3 from `nameWin` (code page 1251) and writes the file atomically.
void SaveConditionsFile(const std::string& path, ConditionsFile& file, std::string_view nameWin);
std::string FormatConditionsFile(const ConditionsFile& file);

}  // namespace vakrel
