#pragma once
// The passes of the profile drawing, each a plain function over the shared frame, in the
// order the picture is drawn. Private to the plot.

#include <QString>
#include <optional>

#include "plot_frame.h"

namespace vakrel {
class PlotTexts;
}

namespace vakrel::detail {

// The plot area's lowest height (map.ymin) and the highest one (ymax), from the points, the
// sampled ground with bulge and objects, the antenna tops and, when the hop at minimum k is
// shown, its tops (plot_height_range.cpp).
void FindHeightRange(PlotFrame& f);

// The white picture with its frame, the ground body bent with the earth, the object bands and
// both masts; leaves the masts' feet and tops in the frame (plot_ground.cpp). `pieceByPiece`
// paints the same the slow way, one piece after the other, as a check on the fast way.
void DrawGround(PlotFrame& f, bool pieceByPiece);

// The lower edge of the minimum clearance zone under the line of sight (plot_clearance.cpp).
void DrawClearanceZone(const PlotFrame& f);

// The engine's result points, lists A, B and C, with the zones of list C's legs
// (plot_clearance.cpp).
void DrawResultPoints(const PlotFrame& f);

// The tops of the objects at every point, whatever their type codes (plot_outline.cpp).
void DrawOutline(const PlotFrame& f);

// The highest of the tops on the k_e earth between the antennas, in m as the picture draws
// them; nothing without f.minimumK or with a radius that is no length (plot_minimum_k.cpp).
std::optional<double> HighestMinimumKTop(const PlotFrame& f);

// Over the finished picture, for f.minimumK: the tops of the objects on the k_e earth between
// the antennas as a dashed line, and the critical points at median k and at k_e with their
// clearances in F1 (plot_minimum_k.cpp). `separator` is the decimal separator of the clearances.
void DrawMinimumK(const PlotFrame& f, PlotTexts& texts, char separator);

}  // namespace vakrel::detail
