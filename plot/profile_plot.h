#pragma once
// The profile plot: the terrain profile over the earth's curvature with its objects, the two
// antenna masts, the line of sight, the minimum clearance zone, the engine's result points and,
// on request, the scale. A plain function of the model onto a picture.

#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "plot_geometry.h"

class QImage;

namespace vakrel {

struct HopModel;

// How the window wants the hop shown; the window owns it, the picture only reads it.
struct PlotOptions {
    bool scaleShown = false;     // the plot draws its scale
    bool curvedLevels = false;   // with the scale, level lines follow the earth's curvature
    bool minimumKShown = false;  // the hop at minimum k over the picture, when the caller has it
};

// The hop at minimum k as the engine's calculation gives it, for the picture to show.
struct MinimumKOverlay {
    double radiusKm = 0;  // the effective earth radius at k_e (km)
    struct Mark {
        double distanceKm;   // from the profile's start (the picture's axis), not from antenna 1
        double clearanceF1;  // the clearance at that point in first Fresnel radii (negative: obstructed)
        bool atMinimumK;     // the critical point at k_e (true) or at median k (false)
    };
    std::vector<Mark> marks;  // the critical points at median k and at k_e
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
// as `options` ask. `separator` is the decimal separator of the scale's numbers and of the
// clearances at minimum k. With `options.minimumKShown`, `minimumK` (when given) is drawn over
// the finished picture: the tops on the k_e earth as a dashed line and its critical points.
//
// Needs a whole hop (HopRefusal), room for a plot area and a drawable scale. Without them the
// picture is cleared and gets one line saying what is missing.
ProfilePlot DrawProfile(const HopModel& model, const PlotOptions& options, QImage& image, char separator,
                        const MinimumKOverlay* minimumK = nullptr);

namespace detail {
// The same drawing with the ground, its objects and the masts painted the slow way, one piece
// after the other in drawing order. The fast way must give the same pixels; tests compare them.
ProfilePlot DrawProfilePieceByPiece(const HopModel& model, const PlotOptions& options, QImage& image, char separator,
                                    const MinimumKOverlay* minimumK = nullptr);
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
// The tops on the k_e earth and their critical points; neither the plot nor its scale's
// inverted pixels have it.
inline const QColor kMinimumKColour{255, 140, 0};  // dark orange

}  // namespace vakrel
