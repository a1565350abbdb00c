#pragma once
// The About window's picture: a radio-relay mast with two dishes on a hill, drawn in code so
// that the program carries no image files.

#include <QImage>

namespace vakrel {

inline constexpr int kMastPictureWidth = 146;
inline constexpr int kMastPictureHeight = 198;

// A 146 x 198 picture in 24-bit colour.
QImage RelayMastPicture();

}  // namespace vakrel
