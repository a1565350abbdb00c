#include "profile_plot.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "earth_radius.h"
#include "hop_model.h"
#include "plot_geometry.h"
#include "plot_raster.h"
#include "plot_scale.h"

namespace vakrel {

namespace {

using Ld = long double;

// One step of the ground pass, in drawing order: a piece of the ground body, a piece of an
// object band, or a mast.
struct GroundStep {
    enum Kind { Body, Band, Mast } kind;
    int c0, a0, b0, c1, a1, b1;  // quadrilateral (c0, a0), (c0, b0), (c1, b1), (c1, a1); a mast: c0, a0 up to a1
    QRgb colour;
};

// One drawing: the model's quantities, the plot area and the pixels.
class ProfileDrawing {
public:
    ProfileDrawing(const HopModel& model, QImage& image, char separator, bool pieceByPiece)
        : m_(model),
          p_(model.profile.points),
          image_(image),
          raster_(image),
          separator_(separator),
          pieceByPiece_(pieceByPiece) {}

    ProfilePlot Run();

private:
    std::optional<QString> CheckInputs() const;
    void FindHeightRange();
    void DrawGround();
    void PaintPieceByPiece(const std::vector<GroundStep>& steps);
    void DrawClearanceZone();
    void DrawResultPoints();
    void DrawOutline();

    double Bulge(double x) const { return EarthBulge(x, L_, m_.effectiveEarthRadius); }
    // Ground height between points a and b at distance x (no bulge, no objects).
    static double Ground(const ProfilePoint& a, double slope, double x) {
        return static_cast<double>((static_cast<Ld>(x) - a.distance) * slope + a.groundHeight);
    }
    static double Slope(const ProfilePoint& a, const ProfilePoint& b) {
        return static_cast<double>((static_cast<Ld>(b.groundHeight) - a.groundHeight) /
                                   (static_cast<Ld>(b.distance) - a.distance));
    }
    static bool CarriesObjects(const ProfilePoint& a, const ProfilePoint& b) {
        return b.typeCode == a.typeCode && b.typeCode != 0;
    }
    // Height of the line of sight at distance x.
    double Sight(double x) const {
        return static_cast<double>(static_cast<Ld>(E1_) + A1_ + (static_cast<Ld>(x) - X1_) * slopeLos_);
    }
    // Depth of the minimum clearance zone under a line running from distance `from` to `to`, at x.
    double ZoneDepth(double from, double to, double x) const {
        const Ld along = static_cast<Ld>(x) - from;
        const Ld square = 300.0L / m_.workingFrequency / 3.0L * 1000.0L * along * (1.0L - along / (static_cast<Ld>(to) - from));
        return static_cast<double>(std::sqrt(std::max(square, 0.0L)));
    }
    QPoint Pixel(double x, double h) const { return QPoint(map_.px(x), map_.py(h)); }

    const HopModel& m_;
    const std::vector<ProfilePoint>& p_;
    QImage& image_;
    PlotRaster raster_;
    char separator_;
    bool pieceByPiece_;  // the ground the slow way, as a check on the fast one

    double L_ = 0, step_ = 0, ymax_ = 0;
    double X1_ = 0, X2_ = 0, A1_ = 0, A2_ = 0, E1_ = 0, E2_ = 0, slopeLos_ = 0;
    PlotMapping map_;
    QPoint top1_, top2_;
    std::array<double, 2> ground_{};
};

std::optional<QString> ProfileDrawing::CheckInputs() const {
    if (p_.size() < 2) return QStringLiteral("Нет данных для построения профиля");
    for (std::size_t i = 0; i < p_.size(); ++i) {
        const auto& q = p_[i];
        if (!std::isfinite(q.distance) || !std::isfinite(q.groundHeight) || !std::isfinite(q.objectHeight))
            return QStringLiteral("Профиль содержит нечисловые значения");
        if (i > 0 && !(q.distance > p_[i - 1].distance))
            return QStringLiteral("Расстояния точек профиля не возрастают");
    }
    if (!(p_.back().distance > 0)) return QStringLiteral("Длина профиля не больше 0");
    if (!IsUsableRadius(m_.effectiveEarthRadius)) return QStringLiteral("Эффективный радиус Земли не определен");
    if (!(m_.workingFrequency > 0) || !std::isfinite(m_.workingFrequency))
        return QStringLiteral("Рабочая частота не больше 0");
    const auto& a = m_.antennas;
    if (!(p_.front().distance <= a.position1 && a.position1 < a.position2 && a.position2 <= p_.back().distance))
        return QStringLiteral("Антенны стоят вне профиля");
    if (!std::isfinite(a.height1) || !std::isfinite(a.height2)) return QStringLiteral("Высоты антенн не заданы");
    return std::nullopt;
}

// ymin is the lowest ground of the points themselves, ymax the highest of point 1's ground,
// the sampled ground with bulge and objects, and the two antenna tops. The sample x runs on
// from one segment into the next: each segment's samples end at its end point exactly.
void ProfileDrawing::FindHeightRange() {
    double ymin = p_[0].groundHeight;
    double ymax = ymin;
    double x = 0;
    for (std::size_t i = 1; i < p_.size(); ++i) {
        const auto& a = p_[i - 1];
        const auto& b = p_[i];
        const double slope = Slope(a, b);
        const bool objects = CarriesObjects(a, b);
        if (b.groundHeight < ymin) ymin = b.groundHeight;
        do {
            x = x + step_;
            double h;
            if (x >= b.distance) {
                x = b.distance;
                h = static_cast<double>(static_cast<Ld>(Bulge(x)) + b.groundHeight);
            } else {
                h = static_cast<double>(static_cast<Ld>(Bulge(x)) + Ground(a, slope, x));
            }
            if (objects) h = static_cast<double>(static_cast<Ld>(h) + b.objectHeight);
            if (h > ymax) ymax = h;
        } while (x < b.distance);
        if (a.distance <= X1_ && X1_ < b.distance) {
            const double h = static_cast<double>(static_cast<Ld>(Bulge(X1_)) + Ground(a, slope, X1_) + A1_);
            if (h > ymax) ymax = h;
        }
        if (a.distance < X2_ && X2_ <= b.distance) {
            const double h = static_cast<double>(static_cast<Ld>(Bulge(X2_)) + Ground(a, slope, X2_) + A2_);
            if (h > ymax) ymax = h;
        }
    }
    map_.ymin = ymin;
    ymax_ = ymax;
}

// The white picture with its frame, then the ground body bent with the earth, the object bands
// over it and the two masts, one sample after the other. The background and the body are
// painted first, together, row by row, and the frame where the body does not cover it; then the
// bands and masts follow in their order, and where a later piece of the body covers a column
// that a band or a mast has already reached, that column of the piece is painted again. So
// every pixel ends with the colour of the last thing drawn over it.
void ProfileDrawing::DrawGround() {
    const int bottom = map_.top + map_.plotH;
    const QRgb maroon = kGroundColour.rgb();
    std::vector<GroundStep> steps;
    steps.reserve(2 * (static_cast<std::size_t>(map_.plotW / 10) + p_.size()) + 4);
    int colPrev = map_.left;
    int baseYPrev = bottom;
    int groundYPrev = map_.py(p_[0].groundHeight);
    double x = 0;
    for (std::size_t i = 1; i < p_.size(); ++i) {
        const auto& a = p_[i - 1];
        const auto& b = p_[i];
        const double slope = Slope(a, b);
        const bool objects = CarriesObjects(a, b);
        int band = objects ? TruncPixel(static_cast<Ld>(b.objectHeight) * map_.ky) : 0;
        const QRgb objectColour = ObjectColour(b.typeCode).rgb();
        do {
            x = x + step_;
            int groundY;
            if (x >= b.distance) {
                x = b.distance;
                groundY = map_.py(static_cast<double>(static_cast<Ld>(Bulge(x)) + b.groundHeight));
            } else {
                groundY = map_.py(static_cast<double>(static_cast<Ld>(Bulge(x)) + Ground(a, slope, x)));
            }
            const int col = map_.px(x);
            const int baseY = bottom - TruncPixel(static_cast<Ld>(Bulge(x)) * map_.ky);  // ymin bent with the earth
            steps.push_back({GroundStep::Body, colPrev, groundYPrev, baseYPrev, col, groundY, baseY, maroon});
            if (objects) {
                // Strip codes show 3 pixels thick just under the ground line, whatever their height.
                if (IsStripCode(b.typeCode) && band <= 1) band = -3;
                steps.push_back(
                    {GroundStep::Band, colPrev, groundYPrev - band, groundYPrev, col, groundY - band, groundY, objectColour});
            }
            colPrev = col;
            baseYPrev = baseY;
            groundYPrev = groundY;
        } while (x < b.distance);

        // An antenna on a point's distance belongs to the segment that starts there (antenna 1)
        // or ends there (antenna 2), so each is drawn once.
        auto mast = [&](double position, double height, int index, double& e, QPoint& topPixel) {
            ground_[index] = Ground(a, slope, position);
            e = static_cast<double>(static_cast<Ld>(Bulge(position)) + ground_[index]);
            const QPoint foot = Pixel(position, e);
            topPixel = QPoint(foot.x(), foot.y() - TruncPixel(static_cast<Ld>(height) * map_.ky));
            steps.push_back({GroundStep::Mast, foot.x(), foot.y(), 0, foot.x(), topPixel.y(), 0, kMastColour.rgb()});
        };
        if (a.distance <= X1_ && X1_ < b.distance) mast(X1_, A1_, 0, E1_, top1_);
        if (a.distance < X2_ && X2_ <= b.distance) mast(X2_, A2_, 1, E2_, top2_);
    }

    if (pieceByPiece_) {
        PaintPieceByPiece(steps);
        return;
    }
    PlotRaster::Body body(raster_.width());
    for (const auto& s : steps)
        if (s.kind == GroundStep::Body) body.Add(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1);
    body.Paint(raster_, kPlotWhite.rgb(), maroon);

    // The frame from (left, top) to (left + plotW, top + plotH + 1), the second corner left
    // out, under the body.
    const int right = map_.left + map_.plotW - 1;
    const QRgb black = kPlotBlack.rgb();
    for (int c = map_.left; c <= right; ++c) {
        for (int y : {map_.top, bottom})
            if (!body.Covers(c, y) && c >= 0 && c < raster_.width() && y < raster_.height()) raster_.Column(c, y, y, black);
    }
    for (int c : {map_.left, right})
        for (int y = map_.top; y <= bottom; ++y)
            if (!body.Covers(c, y)) raster_.Column(c, y, y, black);

    // Columns only grow from step to step, so a piece of the body can meet earlier bands and
    // masts only in its first column.
    int reached = INT_MIN;  // the rightmost column a band or a mast has reached
    for (const auto& s : steps) {
        switch (s.kind) {
            case GroundStep::Body:
                if (s.c0 <= reached) {
                    const auto span = PlotRaster::QuadSpan(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.c0);
                    raster_.Column(s.c0, span.lo, span.hi, maroon);
                }
                break;
            case GroundStep::Band:
                raster_.Quad(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.colour);
                reached = std::max(reached, s.c1);
                break;
            case GroundStep::Mast:
                raster_.Line({s.c0, s.a0}, {s.c1, s.a1}, s.colour);
                reached = std::max(reached, s.c0);
                break;
        }
    }
}

void ProfileDrawing::PaintPieceByPiece(const std::vector<GroundStep>& steps) {
    raster_.Fill(kPlotWhite.rgb());
    const QPoint corners[4] = {{map_.left, map_.top},
                               {map_.left + map_.plotW - 1, map_.top},
                               {map_.left + map_.plotW - 1, map_.top + map_.plotH},
                               {map_.left, map_.top + map_.plotH}};
    for (int k = 0; k < 4; ++k) raster_.Line(corners[k], corners[(k + 1) % 4], kPlotBlack.rgb());
    for (const auto& s : steps) {
        if (s.kind == GroundStep::Mast) raster_.Line({s.c0, s.a0}, {s.c1, s.a1}, s.colour);
        else raster_.Quad(s.c0, s.a0, s.b0, s.c1, s.a1, s.b1, s.colour);
    }
}

// The lower edge of the minimum clearance zone under the line of sight, from antenna 1's top
// to antenna 2's top, where its depth is 0.
void ProfileDrawing::DrawClearanceZone() {
    const QRgb lime = kClearanceColour.rgb();
    QPoint previous = top1_;
    double x = X1_;
    do {
        x = x + step_;
        if (x > X2_) x = X2_;
        const QPoint next = Pixel(x, static_cast<double>(static_cast<Ld>(Sight(x)) - ZoneDepth(X1_, X2_, x)));
        raster_.Line(previous, next, lime);
        previous = next;
    } while (x < X2_);
}

// The engine counts the distances of its points from antenna 1, so each stands at X1 + its
// distance on the profile's axis.
void ProfileDrawing::DrawResultPoints() {
    // A list with a point that is not a number, or lies further than ten hop lengths away, is
    // not drawn: the engine never writes one, and sampling out there would take for ever.
    auto usable = [&](const ResultList& list) {
        const int count = std::clamp(list.count, 0, kResultListCapacity);
        for (int k = 0; k < count; ++k) {
            const double x = static_cast<double>(static_cast<Ld>(X1_) + list.distance[k]);
            if (!std::isfinite(x) || !std::isfinite(list.offset[k]) || std::fabs(x) > 10 * L_) return 0;
        }
        return count;
    };
    const int countA = usable(m_.resultPoints[kListA]);
    const int countB = usable(m_.resultPoints[kListB]);
    const int countC = usable(m_.resultPoints[kListC]);
    auto at = [&](const ResultList& list, int k) { return static_cast<double>(static_cast<Ld>(X1_) + list.distance[k]); };
    const double end2 = static_cast<double>(static_cast<Ld>(E2_) + A2_);
    const QRgb fuchsia = kResultColour.rgb();
    // The next point of a list, `side` metres from the line of sight per metre of offset (-1
    // below, +1 above); after the last one, antenna 2's top.
    struct Point {
        double x, h;
    };
    auto nextPoint = [&](const ResultList& list, int count, int& k, int side) {
        if (k >= count) return Point{X2_, end2};
        const double x = at(list, k);
        const Point p{x, static_cast<double>(static_cast<Ld>(Sight(x)) + side * list.offset[k])};
        ++k;
        return p;
    };

    // List B: a polyline below the line of sight from antenna 1's top to antenna 2's top.
    if (countC == 0 && countB > 0) {
        const auto& list = m_.resultPoints[kListB];
        QPoint previous = top1_;
        int k = 0;
        double x;
        do {
            const Point p = nextPoint(list, countB, k, -1);
            x = p.x;
            const QPoint next = Pixel(p.x, p.h);
            raster_.Line(previous, next, fuchsia);
            previous = next;
        } while (x < X2_);
    }

    // List C: legs over points above the line of sight, each with its own clearance zone.
    if (countC > 0) {
        const auto& list = m_.resultPoints[kListC];
        double px = X1_;
        double ph = static_cast<double>(static_cast<Ld>(E1_) + A1_);
        QPoint pPixel = top1_;
        int k = 0;
        for (;;) {
            const auto [qx, qh] = nextPoint(list, countC, k, +1);
            const QPoint qPixel = Pixel(qx, qh);
            raster_.Line(pPixel, qPixel, fuchsia);
            if (qx > px) {  // a leg that does not run to the right has no zone to sample
                QPoint previous = pPixel;
                double t = px;
                do {
                    t = t + step_;
                    if (t > qx) t = qx;
                    const Ld along = static_cast<Ld>(t) - px;
                    const Ld chord = static_cast<Ld>(ph) + along * (static_cast<Ld>(qh) - ph) / (static_cast<Ld>(qx) - px);
                    const QPoint next = Pixel(t, static_cast<double>(chord - ZoneDepth(px, qx, t)));
                    raster_.Line(previous, next, kClearanceColour.rgb());
                    previous = next;
                } while (t < qx);
            }
            px = qx;
            ph = qh;
            pPixel = qPixel;
            if (qx >= X2_) break;
        }
    }

    // List A: at most its first two points, each joined to both antenna tops.
    if (countA > 0) {
        const auto& list = m_.resultPoints[kListA];
        for (int k = 0; k < std::min(countA, 2); ++k) {
            const double x = at(list, k);
            const QPoint point = Pixel(x, static_cast<double>(static_cast<Ld>(Sight(x)) - list.offset[k]));
            raster_.Line(top1_, point, fuchsia);
            raster_.Line(point, top2_, fuchsia);
        }
    }
}

// The tops of the objects at every point, ground plus object height interpolated between the
// points, whatever the type codes.
void ProfileDrawing::DrawOutline() {
    const QRgb black = kPlotBlack.rgb();
    QPoint previous(map_.left, map_.py(p_[0].groundHeight));
    for (std::size_t i = 1; i < p_.size(); ++i) {
        const auto& a = p_[i - 1];
        const auto& b = p_[i];
        const Ld topA = static_cast<Ld>(a.groundHeight) + a.objectHeight;
        const double slopeTop = static_cast<double>((static_cast<Ld>(b.groundHeight) + b.objectHeight - topA) /
                                                    (static_cast<Ld>(b.distance) - a.distance));
        for (long long k = 1;; ++k) {
            const double x = static_cast<double>(static_cast<Ld>(a.distance) + k * static_cast<Ld>(step_));
            if (!(x < b.distance)) break;
            const QPoint next = Pixel(
                x, static_cast<double>(static_cast<Ld>(Bulge(x)) + topA + (static_cast<Ld>(x) - a.distance) * slopeTop));
            raster_.Line(previous, next, black);
            previous = next;
        }
        const QPoint next =
            Pixel(b.distance, static_cast<double>(static_cast<Ld>(Bulge(b.distance)) + b.groundHeight + b.objectHeight));
        raster_.Line(previous, next, black);
        previous = next;
    }
}

ProfilePlot ProfileDrawing::Run() {
    ProfilePlot result;
    const int W = image_.width();
    const int H = image_.height();
    if (W <= 0 || H <= 0) {
        result.problem = QStringLiteral("Нет места для профиля");
        return result;
    }
    auto refuse = [&](const QString& why) {
        raster_.Fill(kPlotWhite.rgb());
        QPainter painter(&image_);
        painter.setFont(PlotFont());
        DrawPlotText(painter, 4, 4, why);
        result.problem = why;
        return result;
    };
    if (auto problem = CheckInputs()) return refuse(*problem);

    if (m_.scaleShown) {
        map_.left = 26;
        map_.top = 20;
        map_.plotW = W - 52;
        map_.plotH = H - 41;
    } else {
        map_.plotW = W;
        map_.plotH = H - 1;
    }
    if (map_.plotW <= 0 || map_.plotH <= 0) return refuse(QStringLiteral("Нет места для профиля"));

    L_ = p_.back().distance;
    X1_ = m_.antennas.position1;
    X2_ = m_.antennas.position2;
    A1_ = m_.antennas.height1;
    A2_ = m_.antennas.height2;
    map_.kx = static_cast<double>(static_cast<Ld>(map_.plotW) / L_);
    step_ = static_cast<double>(10.0L / map_.kx);
    // Every sampling loop below advances by step_: it must be a finite step forward.
    if (!std::isfinite(map_.kx) || !(step_ > 0) || !std::isfinite(step_))
        return refuse(QStringLiteral("Длина профиля не годится для построения"));

    FindHeightRange();
    const Ld range = static_cast<Ld>(ymax_) - map_.ymin;
    map_.ky = static_cast<double>(static_cast<Ld>(map_.plotH) / range);
    if (!(range > 0) || !std::isfinite(static_cast<double>(range)) || !std::isfinite(map_.ky) || !(map_.ky > 0))
        return refuse(QStringLiteral("Нулевой диапазон высот профиля"));

    DrawGround();
    raster_.Line(top1_, top2_, kSightColour.rgb());
    slopeLos_ = static_cast<double>((static_cast<Ld>(E2_) + A2_ - E1_ - A1_) / (static_cast<Ld>(X2_) - X1_));
    DrawClearanceZone();
    if (m_.resultsLoaded && !m_.launchPending) DrawResultPoints();
    DrawOutline();
    if (m_.scaleShown) {
        ScaleInput scale;
        scale.width = W;
        scale.height = H;
        scale.length = L_;
        scale.radiusKm = m_.effectiveEarthRadius;
        scale.kx = map_.kx;
        scale.ky = map_.ky;
        scale.step = step_;
        scale.ymin = map_.ymin;
        scale.ymax = ymax_;
        scale.curved = m_.curvedLevels;
        scale.separator = separator_;
        QPainter painter(&image_);  // for the texts; the lines go straight into the pixels
        DrawScale(raster_, painter, scale);
    }
    result.drawn = true;
    result.groundUnderAntenna = ground_;
    return result;
}

}  // namespace

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

namespace {

ProfilePlot Draw(const HopModel& model, QImage& image, char separator, bool pieceByPiece) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 && !image.isNull())
        image = image.convertToFormat(QImage::Format_RGB32);
    return ProfileDrawing(model, image, separator, pieceByPiece).Run();
}

}  // namespace

ProfilePlot DrawProfile(const HopModel& model, QImage& image, char separator) {
    return Draw(model, image, separator, false);
}

namespace detail {
ProfilePlot DrawProfilePieceByPiece(const HopModel& model, QImage& image, char separator) {
    return Draw(model, image, separator, true);
}
}  // namespace detail

}  // namespace vakrel
