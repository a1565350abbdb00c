#pragma once
// The layout of the engine's result file vakrel.rez, shared by the engine that writes it and the
// report that reads it: code page 866, CR LF, at most 76 columns. A coded line carries its code
// in columns 3-5, its label in 7-64 and its value in 66-75; every other line keeps columns 3-5
// free of digits. Three lists of result points are drawn into the picture, each announced by a
// count line and given as distance and offset lines.

#include <array>
#include <cstddef>

namespace vakrel {

inline constexpr std::size_t kRezWidth = 76;
inline constexpr std::size_t kRezCodeColumn = 2;    // 0-based column 3
inline constexpr std::size_t kRezCodeWidth = 3;     // columns 3-5
inline constexpr std::size_t kRezLabelColumn = 6;   // 0-based column 7
inline constexpr std::size_t kRezLabelWidth = 58;   // columns 7-64
inline constexpr std::size_t kRezValueColumn = 65;  // 0-based column 66
inline constexpr std::size_t kRezValueWidth = 10;   // columns 66-75

// The most points a list carries; the engine writes no more, the report reads no more.
inline constexpr int kResultListCapacity = 20;

// The codes of one list of result points: its count, then each point's distance (km on the
// profile's axis) and offset (m from the line of sight).
struct ResultListCodes {
    int count, distance, offset;
};
// List A: the critical point and the second obstacle; B: the reflection point; C: the
// Bullington point or the vertex of the scatter volume.
inline constexpr std::array<ResultListCodes, 3> kResultListCodes = {{{58, 102, 103}, {59, 89, 91}, {60, 75, 81}}};

}  // namespace vakrel
