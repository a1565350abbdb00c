#pragma once
// The legend of the picture: every colour and line it draws, with what each means. One list for
// the legend window and the printed report, painted the same way in both.

#include <QColor>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

class QFontMetrics;
class QPainter;

namespace vakrel {

struct LegendEntry {
    // How the picture draws it: a filled area (the ground), a band standing on the ground (the
    // objects of their height), a strip 3 pixels thick under the ground line (the surface
    // codes), a line, an upright line (the masts), a dashed line, or a hollow or filled square
    // marker.
    enum class Swatch { Area, Band, Strip, Line, Upright, Dashed, HollowMarker, FilledMarker };
    Swatch swatch;
    QColor colour;
    QString text;
};

// The entries in the picture's order: the ground, object codes 1 to 8, codes 9 to 255, the tops
// of the objects, the masts, the line of sight, the minimum clearance zone, the tops at minimum
// k with its critical points, and the engine's result points A, B and C. `objectNames` names the
// codes as the code reference prf.tip gives them; a code without a name is shown by number.
std::vector<LegendEntry> PictureLegend(const std::map<int, QString>& objectNames);

// The entries in columns, each a swatch and its text on one line, in the font of `metrics`:
// as many columns across `width` pixels as fit (at least one), filled top to bottom.
struct LegendLayout {
    int swatchWidth = 0;       // pixels
    std::vector<QRect> cells;  // one per entry, from the layout's top-left corner
    QSize size;                // of all the cells together
};
LegendLayout LayOutLegend(const std::vector<LegendEntry>& legend, const QFontMetrics& metrics, int width);

// Paints the entries as laid out, the layout's corner at `origin`, in the painter's font (the
// one the layout was made for).
void PaintLegend(QPainter& painter, QPoint origin, const std::vector<LegendEntry>& legend, const LegendLayout& layout);

}  // namespace vakrel
