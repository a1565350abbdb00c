#pragma once
// The scale of the profile plot: unit marks, distance ticks, level lines (straight or bent
// with the earth) and their numbers. Lines invert the pixels they cross; texts are black on
// white in the plot font.

#include <QRect>

#include "plot_texts.h"

namespace vakrel {

class PlotRaster;

// The steps of a scale (km for distances, m for heights) in the 1-2-5 series; a scale takes the
// first of them that spans at least 20 pixels.
inline constexpr double kScaleSteps[13] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

// The first step of 0.1, 0.2, 0.5 ... 100 that spans at least 20 pixels at `pixelsPerUnit`,
// truncated; past 100 the series goes on (200, 500, 1000, 2000 ...) until one does.
double ScaleStep(double pixelsPerUnit);

// What the scale is drawn from: the picture's size and the plot's quantities.
struct ScaleInput {
    int width = 0, height = 0;  // W, H of the picture
    double length = 0;          // L, km
    double radiusKm = 0;        // effective earth radius
    double kx = 0, ky = 0;      // pixels per km and per m
    double step = 0;            // sampling step, km
    double ymin = 0, ymax = 0;  // m
    bool curved = false;        // level lines bent with the earth
    char separator = '.';       // decimal separator of the numbers
};

// Draws the scale: its lines into `raster`, its texts with `texts`, both on the same picture,
// in the order they overlap. The plot area must be the one of a picture with its scale (left 26,
// top 20).
void DrawScale(PlotRaster& raster, PlotTexts& texts, const ScaleInput& in);

// Whether a number's text cell may be drawn: not when it would cover the cell of the number
// drawn before it in the same row (or column) of numbers, nor a unit mark's cell. Cells that
// only touch do not cover each other; an empty `previous` covers nothing.
bool NumberFits(const QRect& cell, const QRect& previous, const QRect& meterMark, const QRect& kmMark);

}  // namespace vakrel
