#pragma once
// The passes of the profile drawing, each a plain function over the shared frame, in the
// order the picture is drawn. Private to the plot.

#include <QString>
#include <optional>

#include "plot_frame.h"

namespace vakrel::detail {

// The plot area's lowest height (map.ymin) and the highest one (ymax), from the points, the
// sampled ground with bulge and objects, and the antenna tops (plot_height_range.cpp).
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

}  // namespace vakrel::detail
