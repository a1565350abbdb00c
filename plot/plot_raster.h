#pragma once
// The pixel rules of the profile plot, written straight into a 32-bit picture: one-pixel solid
// lines that leave their end point uncoloured (in copying or inverting mode), and filled
// quadrilaterals with two vertical sides, edges included. Everything is clipped to the picture.
//
// A line from (x0, y0) to (x1, y1) steps one pixel at a time along its longer axis (x when the
// two are equal); at step k of n the other coordinate is the start's plus k × (its extent) / n,
// rounded to the nearest integer, halves away from the start. The end point is where step n
// would be, and it is not drawn.
//
// The pixels are written directly, not through QPainter: a 1920 × 1080 drawing of a
// 1000-point profile has thousands of narrow, tall quadrilaterals and short level-line pieces,
// and QPainter's per-primitive cost made one drawing ten times too slow.

#include <QImage>
#include <QPoint>
#include <algorithm>
#include <vector>

namespace vakrel {

class PlotRaster {
public:
    // `image` must be Format_RGB32 (or ARGB32) and outlive the raster; it is not detached.
    explicit PlotRaster(QImage& image);

    int width() const { return width_; }
    int height() const { return height_; }
    QRgb pixel(int x, int y) const { return Row(y)[x]; }

    void Fill(QRgb colour);
    // A line in `colour` from `from` (drawn) to `to` (left out).
    void Line(QPoint from, QPoint to, QRgb colour);
    // The pixels of Line in dashes of kDashOn pixels with gaps of kDashOff between them.
    // `along` counts the pixels stepped so far, so that a polyline drawn piece by piece keeps
    // its dashes going from one piece into the next; pixels outside the picture count too.
    static constexpr int kDashOn = 5;
    static constexpr int kDashOff = 3;
    void DashedLine(QPoint from, QPoint to, QRgb colour, long long& along);
    // The same pixels as Line, each turned into its inverse colour.
    void InvertLine(QPoint from, QPoint to);
    // Rows `top` to `bottom` (both included) of each of `columns` inverted, row by row: the
    // pixels of vertical lines with far fewer cache misses than one line after the other.
    void InvertColumns(const std::vector<int>& columns, int top, int bottom);
    // Rows y0..y1 (either order, both included) of column x.
    void Column(int x, int y0, int y1, QRgb colour) {
        if (x < 0 || x >= width_) return;
        const int lo = std::max(std::min(y0, y1), 0);
        const int hi = std::min(std::max(y0, y1), height_ - 1);
        for (int y = lo; y <= hi; ++y) Row(y)[x] = colour;
    }
    // Copies the painted pixels of `block` (premultiplied, each pixel opaque or transparent) with
    // its top-left corner at (x, y); its transparent pixels leave the picture as it is.
    void CopyPainted(const QImage& block, int x, int y);

    // The rows that a quadrilateral with vertical sides covers in one of its columns: every row
    // from its upper edge to its lower edge, both edge lines included.
    struct Span {
        int lo, hi;
    };
    // The quadrilateral (c0, a0), (c0, b0), (c1, b1), (c1, a1) with c0 <= c1: its span in
    // column c, c0 <= c <= c1. When c0 == c1 it is the one column from the lowest to the highest
    // of the four rows.
    static Span QuadSpan(int c0, int a0, int b0, int c1, int a1, int b1, int c);
    // Fills that quadrilateral in `colour`, column by column.
    void Quad(int c0, int a0, int b0, int c1, int a1, int b1, QRgb colour);

    // A run of quadrilaterals side by side taken as one body: Add each, then Paint. Their union
    // must cover, in every column, one run of rows (neighbours share their vertical side).
    class Body {
    public:
        explicit Body(int width);
        void Add(int c0, int a0, int b0, int c1, int a1, int b1);
        bool Covers(int x, int y) const {
            return x >= 0 && x < static_cast<int>(lo_.size()) && lo_[x] <= y && y <= hi_[x];
        }
        // Writes every pixel of the picture once: the body in `colour`, the rest `background`.
        void Paint(PlotRaster& raster, QRgb background, QRgb colour) const;

    private:
        std::vector<int> lo_, hi_;  // per column; lo > hi where nothing is covered
    };

private:
    const QRgb* Row(int y) const { return reinterpret_cast<const QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_); }
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_); }
    template <typename Plot>
    void Walk(QPoint from, QPoint to, Plot plot);

    uchar* bits_;
    qsizetype stride_;
    int width_, height_;
};

}  // namespace vakrel
