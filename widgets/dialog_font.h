#pragma once
// The windows' font: a narrow sans serif face, so that captions and numbers keep within the
// places that the windows' fixed layouts give them. DejaVu Sans Condensed is the face the
// layouts are measured with; where it is missing, the default face is narrowed. Its size is
// in pixels, like the layouts, so that a screen's font resolution does not move one against
// the other.

#include <QFont>

namespace vakrel {

QFont DialogFont(int pixelSize);

}  // namespace vakrel
