#include "plot_passes.h"

#include <climits>

#include "profile_plot.h"

namespace vakrel {

QColor ObjectColour(int typeCode) {
    switch (typeCode) {
        case 1: return {0, 200, 0};
        case 2: return {0, 200, 250};
        case 3: return {170, 170, 170};
        case 4: return {255, 255, 0};
        case 5: return {140, 140, 140};
        case 6: return {0, 200, 150};
        case 7: return {255, 0, 0};
        case 8: return {0, 150, 200};
        default: return {0, 0, 0};
    }
}

namespace detail {

namespace {

// One step of the ground pass, in drawing order: a piece of the ground body, a piece of an
// object band, or a mast.
struct GroundStep {
    enum Kind { Body, Band, Mast } kind;
    int c0, a0, b0, c1, a1, b1;  // quadrilateral (c0, a0), (c0, b0), (c1, b1), (c1, a1); a mast: c0, a0 up to a1
    QRgb colour;
};

// The steps of the ground pass, one sample after the other; sets the masts' feet and tops
// and the ground under the antennas in the frame.
std::vector<GroundStep> GroundSteps(PlotFrame& f) {
    const auto& p = f.p;
    const auto& map = f.map;
    const int bottom = map.top + map.plotH;
    const QRgb maroon = kGroundColour.rgb();
    std::vector<GroundStep> steps;
    steps.reserve(2 * (static_cast<std::size_t>(map.plotW / 10) + p.size()) + 4);
    int colPrev = map.left;
    int baseYPrev = bottom;
    int groundYPrev = map.py(p[0].groundHeight);
    double x = 0;  // the sample distance, carried from segment to segment
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto& a = p[i - 1];
        const auto& b = p[i];
        const double slope = PlotFrame::Slope(a, b);
        const bool objects = PlotFrame::CarriesObjects(a, b);
        int band = objects ? TruncPixel(static_cast<Ld>(b.objectHeight) * map.ky) : 0;
        const QRgb objectColour = ObjectColour(b.typeCode).rgb();
        f.SampleSegment(a, b, slope, x, [&](double at, double h) {
            const int groundY = map.py(h);
            const int col = map.px(at);
            const int baseY = bottom - TruncPixel(static_cast<Ld>(f.Bulge(at)) * map.ky);  // ymin bent with the earth
            steps.push_back({GroundStep::Body, colPrev, groundYPrev, baseYPrev, col, groundY, baseY, maroon});
            if (objects) {
                // Strip codes show 3 pixels thick just under the ground line, whatever their height.
                if (IsStripCode(b.typeCode) && band <= 1) band = -3;
                steps.push_back({GroundStep::Band, colPrev, groundYPrev - band, groundYPrev, col, groundY - band,
                                 groundY, objectColour});
            }
            colPrev = col;
            baseYPrev = baseY;
            groundYPrev = groundY;
        });

        // Each antenna stands on exactly one segment (StandsOn), so each is drawn once.
        auto mast = [&](double position, double height, int index, double& e, QPoint& topPixel) {
            f.ground[index] = PlotFrame::Ground(a, slope, position);
            e = static_cast<double>(static_cast<Ld>(f.Bulge(position)) + f.ground[index]);
            const QPoint foot = f.Pixel(position, e);
            topPixel = QPoint(foot.x(), foot.y() - TruncPixel(static_cast<Ld>(height) * map.ky));
            steps.push_back({GroundStep::Mast, foot.x(), foot.y(), 0, foot.x(), topPixel.y(), 0, kMastColour.rgb()});
        };
        if (StandsOn(a, b, 0, f.X1)) mast(f.X1, f.A1, 0, f.E1, f.top1);
        if (StandsOn(a, b, 1, f.X2)) mast(f.X2, f.A2, 1, f.E2, f.top2);
    }
    return steps;
}

void PaintPieceByPiece(const PlotFrame& f, const std::vector<GroundStep>& steps) {
    const auto& map = f.map;
    f.raster.Fill(kPlotWhite.rgb());
    const QPoint corners[4] = {{map.left, map.top},
                               {map.left + map.plotW - 1, map.top},
                               {map.left + map.plotW - 1, map.top + map.plotH},
                               {map.left, map.top + map.plotH}};
    for (int k = 0; k < 4; ++k) f.raster.Line(corners[k], corners[(k + 1) % 4], kPlotBlack.rgb());
    for (const auto& s : steps) {
        if (s.kind == GroundStep::Mast)
            f.raster.Line({s.c0, s.a0}, {s.c1, s.a1}, s.colour);
        else
            f.raster.Quad(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.colour);
    }
}

// The background and the body are painted first, together, row by row, and the frame where
// the body does not cover it; then the bands and masts follow in their order, and where a
// later piece of the body covers a column that a band or a mast has already reached, that
// column of the piece is painted again. So every pixel ends with the colour of the last thing
// drawn over it, as if painted piece by piece.
void PaintFast(const PlotFrame& f, const std::vector<GroundStep>& steps) {
    auto& raster = f.raster;
    const auto& map = f.map;
    const int bottom = map.top + map.plotH;
    const QRgb maroon = kGroundColour.rgb();
    PlotRaster::Body body(raster.width());
    for (const auto& s : steps)
        if (s.kind == GroundStep::Body) body.Add(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1);
    body.Paint(raster, kPlotWhite.rgb(), maroon);

    // The frame from (left, top) to (left + plotW, top + plotH + 1), the second corner left
    // out, under the body.
    const int right = map.left + map.plotW - 1;
    const QRgb black = kPlotBlack.rgb();
    for (int c = map.left; c <= right; ++c) {
        for (int y : {map.top, bottom})
            if (!body.Covers(c, y) && c >= 0 && c < raster.width() && y < raster.height())
                raster.Column(c, y, y, black);
    }
    for (int c : {map.left, right})
        for (int y = map.top; y <= bottom; ++y)
            if (!body.Covers(c, y)) raster.Column(c, y, y, black);

    // Columns only grow from step to step, so a piece of the body can meet earlier bands and
    // masts only in its first column, and only there where they painted in the rightmost
    // column they reached.
    struct Painted {
        int column = INT_MIN;
        int lo = INT_MAX, hi = INT_MIN;  // rows; lo > hi where nothing was
        void Add(int c, int from, int to) {
            if (c < column) return;
            if (c > column) *this = Painted{c};
            lo = std::min({lo, from, to});
            hi = std::max({hi, from, to});
        }
    } painted;
    for (const auto& s : steps) {
        switch (s.kind) {
            case GroundStep::Body:
                if (s.c0 == painted.column) {
                    const auto span = PlotRaster::QuadSpan(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.c0);
                    const int lo = std::max(span.lo, painted.lo), hi = std::min(span.hi, painted.hi);
                    if (lo <= hi) raster.Column(s.c0, lo, hi, maroon);
                }
                break;
            case GroundStep::Band: {
                raster.Quad(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.colour);
                const auto span = PlotRaster::QuadSpan(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.c1);
                painted.Add(s.c1, span.lo, span.hi);
                break;
            }
            case GroundStep::Mast:
                raster.Line({s.c0, s.a0}, {s.c1, s.a1}, s.colour);
                painted.Add(s.c0, s.a0, s.a1);
                break;
        }
    }
}

}  // namespace

void DrawGround(PlotFrame& f, bool pieceByPiece) {
    const std::vector<GroundStep> steps = GroundSteps(f);
    if (pieceByPiece)
        PaintPieceByPiece(f, steps);
    else
        PaintFast(f, steps);
}

}  // namespace detail
}  // namespace vakrel
