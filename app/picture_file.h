#pragma once
// Saving the profile picture as a Windows bitmap, whatever extension the name has.

#include <string>

class QImage;

namespace vakrel {

// Writes `picture` to `path` as BMP, replacing the file whole. Throws IoError with
// "Cannot create file <path>" when the file cannot be written.
void SavePictureAsBmp(const QImage& picture, const std::string& path);

}  // namespace vakrel
