#pragma once
// The profile plot: the terrain profile over the earth's curvature with its objects, the two
// antenna masts, the line of sight, the minimum clearance zone, the engine's result points and,
// on request, the scale. A plain function of the model onto a picture.

#include <QColor>
#include <QString>
#include <array>

#include "plot_geometry.h"

class QImage;

namespace vakrel {

struct HopModel;

// How the window wants the hop shown; the window owns it, the picture only reads it.
struct PlotOptions {
    bool scaleShown = false;    // the plot draws its scale
    bool curvedLevels = false;  // with the scale, level lines follow the earth's curvature
};

struct ProfilePlot {
    bool drawn = false;
    // Ground height in m under antenna 1 and 2, interpolated between the profile points
    // (no earth bulge, no objects). Meaningful only when `drawn`.
    std::array<double, 2> groundUnderAntenna{};
    // Why nothing but this line was drawn, when not `drawn`.
    QString problem;
    // The plot area and its scales, to find the distance under a pixel. Meaningful only when `drawn`.
    PlotMapping mapping;
};

// Draws the whole picture anew from the model onto `image` (its size is the picture's size),
// as `options` ask. `separator` is the decimal separator of the scale's numbers.
//
// Needs a whole hop (HopRefusal), room for a plot area and a drawable scale. Without them the
// picture is cleared and gets one line saying what is missing.
ProfilePlot DrawProfile(const HopModel& model, const PlotOptions& options, QImage& image, char separator);

namespace detail {
// The same drawing with the ground, its objects and the masts painted the slow way, one piece
// after the other in drawing order. The fast way must give the same pixels; tests compare them.
ProfilePlot DrawProfilePieceByPiece(const HopModel& model, const PlotOptions& options, QImage& image, char separator);
}  // namespace detail

// The fill and edge colour of objects of a type code; codes 1-8 have their own, 9-255 black.
QColor ObjectColour(int typeCode);

// Whether objects of this code always show as a strip 3 pixels thick, even with height 0.
inline bool IsStripCode(int typeCode) {
    return typeCode == 2 || typeCode == 4 || typeCode == 5 || typeCode == 6 || typeCode == 8;
}

// Colours of the picture.
inline const QColor kPlotWhite{255, 255, 255};
inline const QColor kPlotBlack{0, 0, 0};
inline const QColor kGroundColour{128, 0, 0};     // maroon
inline const QColor kMastColour{0, 0, 255};       // blue
inline const QColor kSightColour{0, 255, 255};    // aqua
inline const QColor kClearanceColour{0, 255, 0};  // lime
inline const QColor kResultColour{255, 0, 255};   // fuchsia

}  // namespace vakrel
