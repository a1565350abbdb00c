// The profile plot, pixel by pixel. Expected pixels are computed here from the drawing's
// formulas (pixel mapping with truncation, the sampling every 10 pixels with x carried over,
// the earth bulge), not taken from the drawing code.

#include "profile_plot.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "hop_model.h"
#include "plot_scale.h"

namespace vakrel {
namespace {

using Ld = long double;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kMaroon = qRgb(128, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kAqua = qRgb(0, 255, 255);
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kFuchsia = qRgb(255, 0, 255);

QRgb Inverse(QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); }

struct Point {
    double d, g;
    int code = 0;
    double o = 0;
};

// A hop and how the window asks it shown.
struct Shown : HopModel {
    PlotOptions options;
};

Shown Hop(const std::vector<Point>& points, double a1, double a2) {
    Shown m;
    for (const auto& p : points) m.profile.points.push_back({p.d, p.g, static_cast<std::uint8_t>(p.code), p.o});
    m.stationParam(kAntenna1HeightParam) = a1;
    m.stationParam(kAntenna2HeightParam) = a2;
    m.antennas.position1 = points.front().d;
    m.antennas.position2 = points.back().d;
    m.stationParam(kFrequencyParam) = 8000;
    m.effectiveEarthRadius = 8500;
    m.launchPending = true;
    return m;
}

// The drawing's quantities, from the formulas.
struct Geometry {
    int left = 0, top = 0, plotW, plotH;
    double L, R, kx, step, ymin, ymax, ky;

    double Bulge(double x) const { return static_cast<double>((1000.0L * x) * (static_cast<Ld>(L) - x) / (2.0L * R)); }
    int Px(double x) const { return left + static_cast<int>(static_cast<Ld>(x) * kx); }
    int Py(double h) const { return top + plotH - static_cast<int>((static_cast<Ld>(h) - ymin) * ky); }
};

// Ground samples: x runs on from segment to segment in steps, each segment ending at its point.
std::vector<double> GroundSamples(const HopModel& m, double step) {
    std::vector<double> xs;
    double x = 0;
    const auto& p = m.profile.points;
    for (std::size_t i = 1; i < p.size(); ++i) {
        do {
            x = x + step;
            if (x >= p[i].distance) x = p[i].distance;
            xs.push_back(x);
        } while (x < p[i].distance);
    }
    return xs;
}

Geometry GeometryOf(const Shown& m, int w, int h) {
    Geometry g;
    if (m.options.scaleShown) {
        g.left = 26, g.top = 20, g.plotW = w - 52, g.plotH = h - 41;
    } else {
        g.plotW = w, g.plotH = h - 1;
    }
    const auto& p = m.profile.points;
    g.L = p.back().distance;
    g.R = m.effectiveEarthRadius;
    g.kx = static_cast<double>(static_cast<Ld>(g.plotW) / g.L);
    g.step = static_cast<double>(10.0L / g.kx);
    g.ymin = p[0].groundHeight;
    g.ymax = p[0].groundHeight;
    for (const auto& q : p) g.ymin = std::min(g.ymin, q.groundHeight);
    std::size_t seg = 1;
    for (double x : GroundSamples(m, g.step)) {
        while (x > p[seg].distance) ++seg;
        const auto& a = p[seg - 1];
        const auto& b = p[seg];
        double h = x == b.distance
                       ? g.Bulge(x) + b.groundHeight
                       : g.Bulge(x) + (x - a.distance) * (b.groundHeight - a.groundHeight) / (b.distance - a.distance) +
                             a.groundHeight;
        if (a.typeCode == b.typeCode && b.typeCode != 0) h += b.objectHeight;
        g.ymax = std::max(g.ymax, h);
    }
    // The antenna tops (both stand on profile points or at the ends in these tests' hops).
    auto groundAt = [&](double x) {
        for (std::size_t i = 1; i < p.size(); ++i)
            if (x <= p[i].distance)
                return p[i - 1].groundHeight + (x - p[i - 1].distance) * (p[i].groundHeight - p[i - 1].groundHeight) /
                                                   (p[i].distance - p[i - 1].distance);
        return p.back().groundHeight;
    };
    g.ymax = std::max(g.ymax, g.Bulge(m.antennas.position1) + groundAt(m.antennas.position1) + m.antennaHeight1());
    g.ymax = std::max(g.ymax, g.Bulge(m.antennas.position2) + groundAt(m.antennas.position2) + m.antennaHeight2());
    g.ky = static_cast<double>(static_cast<Ld>(g.plotH) / (static_cast<Ld>(g.ymax) - g.ymin));
    return g;
}

QImage Draw(const Shown& m, int w, int h, ProfilePlot* plot = nullptr) {
    QImage image(w, h, QImage::Format_RGB32);
    const ProfilePlot result = DrawProfile(m, m.options, image, '.');
    if (plot) *plot = result;
    EXPECT_TRUE(result.drawn) << result.problem.toStdString();
    return image;
}

// The sample of `xs` nearest to `x`.
double NearestSample(const std::vector<double>& xs, double x) {
    double best = xs.front();
    for (double s : xs)
        if (std::fabs(s - x) < std::fabs(best - x)) best = s;
    return best;
}

TEST(ProfilePlot, FlatFiftyKilometresBentWithTheEarth) {
    const Shown m = Hop({{0, 100}, {50, 100}}, 20, 20);
    const Geometry g = GeometryOf(m, 801, 401);
    EXPECT_NEAR(g.Bulge(25), 36.76, 0.005);
    EXPECT_DOUBLE_EQ(g.ymin, 100);
    EXPECT_NEAR(g.ymax, 136.76, 0.01);  // the highest sample, above the antenna tops at 120 m
    ProfilePlot plot;
    const QImage image = Draw(m, 801, 401, &plot);
    EXPECT_DOUBLE_EQ(plot.groundUnderAntenna[0], 100);
    EXPECT_DOUBLE_EQ(plot.groundUnderAntenna[1], 100);

    // The line of sight at 120 m, level: below the arch in the middle it crosses white.
    const int sight = g.Py(120);
    EXPECT_EQ(image.pixel(400, sight), kAqua);
    // Antenna 1's mast: blue from the foot up to, not including, its top.
    const int foot = g.Py(100);
    const int top1 = foot - static_cast<int>(20 * static_cast<Ld>(g.ky));
    EXPECT_EQ(top1, sight);
    EXPECT_EQ(image.pixel(0, (foot + top1) / 2), kBlue);
    // The arch: the level ymin bent with the earth is the ground itself; under it, white.
    const double mid = NearestSample(GroundSamples(m, g.step), 10);
    const int arch = g.Py(100 + g.Bulge(mid));
    EXPECT_NE(image.pixel(g.Px(mid), arch), kWhite);
    EXPECT_EQ(image.pixel(g.Px(mid), arch + 4), kWhite);
    EXPECT_EQ(image.pixel(g.Px(mid), arch - 4), kWhite);
    // The clearance zone: 12.5 m under the line of sight at 25 km for 8000 MHz.
    double x = 0;
    for (int k = 0; k < 40; ++k) x = x + g.step;
    const double depth = std::sqrt((300.0 / 8000 / 3 * 1000) * x * (1 - x / 50));
    EXPECT_EQ(image.pixel(g.Px(x), g.Py(120 - depth)), kLime);
}

TEST(ProfilePlot, GroundBodyBetweenTheBentLevelAndTheGround) {
    const Shown m = Hop({{0, 100}, {10, 150}, {20, 100}}, 10, 10);
    const Geometry g = GeometryOf(m, 400, 300);
    const QImage image = Draw(m, 400, 300);
    for (double want : {3.0, 6.0, 16.0}) {
        const double x = NearestSample(GroundSamples(m, g.step), want);
        const double ground = x <= 10 ? 100 + 5 * x : 150 - 5 * (x - 10);
        const int groundRow = g.Py(g.Bulge(x) + ground);
        const int baseRow = g.top + g.plotH - static_cast<int>(static_cast<Ld>(g.Bulge(x)) * g.ky);
        SCOPED_TRACE(x);
        EXPECT_EQ(image.pixel(g.Px(x), groundRow + 3), kMaroon);
        EXPECT_EQ(image.pixel(g.Px(x), baseRow - 2), kMaroon);
        EXPECT_EQ(image.pixel(g.Px(x), baseRow + 3), kWhite);
        EXPECT_EQ(image.pixel(g.Px(x), groundRow - 3), kWhite);
    }
}

TEST(ProfilePlot, AntennaOnAProfilePointAndBetweenPoints) {
    struct Row {
        double x1, x2, ground1, ground2;
    };
    for (const Row& row : {Row{10, 20, 120, 140}, Row{5, 25, 110, 125}}) {
        SCOPED_TRACE(row.x1);
        Shown m = Hop({{0, 100}, {10, 120}, {20, 140}, {30, 110}}, 10, 10);
        m.antennas.position1 = row.x1;
        m.antennas.position2 = row.x2;
        ProfilePlot plot;
        const QImage image = Draw(m, 600, 300, &plot);
        EXPECT_DOUBLE_EQ(plot.groundUnderAntenna[0], row.ground1);
        EXPECT_DOUBLE_EQ(plot.groundUnderAntenna[1], row.ground2);
        const Geometry g = GeometryOf(m, 600, 300);
        for (auto [x, ground] : {std::pair{row.x1, row.ground1}, std::pair{row.x2, row.ground2}}) {
            const int foot = g.Py(g.Bulge(x) + ground);
            const int top = foot - static_cast<int>(10 * static_cast<Ld>(g.ky));
            EXPECT_EQ(image.pixel(g.Px(x), (foot + top) / 2), kBlue);
            EXPECT_EQ(image.pixel(g.Px(x) + 2, (foot + top) / 2), kWhite);
        }
    }
}

TEST(ProfilePlot, ObjectBandsByCodeAndTheStripRule) {
    struct Row {
        int codeFrom, codeTo;
        double height;
        QRgb above;  // halfway up the band's height over the ground
        QRgb below;  // two pixels under the ground line
    };
    const QRgb none = kWhite;
    const Row rows[] = {
        {1, 1, 10, qRgb(0, 200, 0), kMaroon},  // a green band of the end point's height
        {3, 3, 10, qRgb(170, 170, 170), kMaroon},
        {7, 7, 10, qRgb(255, 0, 0), kMaroon},
        {8, 8, 10, qRgb(0, 150, 200), kMaroon},  // tall enough: no strip
        {9, 9, 10, kBlack, kMaroon},
        {200, 200, 10, kBlack, kMaroon},
        {1, 3, 10, none, kMaroon},           // codes differ: no band
        {0, 0, 10, none, kMaroon},           // code 0: never a band
        {2, 2, 0, none, qRgb(0, 200, 250)},  // strip codes show 3 pixels thick under the ground
        {4, 4, 0, none, qRgb(255, 255, 0)},
        {5, 5, 0, none, qRgb(140, 140, 140)},
        {6, 6, 0, none, qRgb(0, 200, 150)},
        {8, 8, 0, none, qRgb(0, 150, 200)},
        {1, 1, 0, none, kMaroon},  // other codes do not
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.codeFrom << "->" << row.codeTo << " height " << row.height);
        const Shown m =
            Hop({{0, 50}, {5, 100, row.codeFrom, row.height}, {15, 100, row.codeTo, row.height}, {20, 100}}, 30, 30);
        const Geometry g = GeometryOf(m, 500, 300);
        const QImage image = Draw(m, 500, 300);
        const double x = NearestSample(GroundSamples(m, g.step), 10);
        const int ground = g.Py(g.Bulge(x) + 100);
        const int band = static_cast<int>(row.height * static_cast<Ld>(g.ky));
        if (row.above == none)
            EXPECT_EQ(image.pixel(g.Px(x), ground - 3), kWhite);
        else
            EXPECT_EQ(image.pixel(g.Px(x), ground - band / 2), row.above);
        EXPECT_EQ(image.pixel(g.Px(x), ground + 2), row.below);
        EXPECT_EQ(image.pixel(g.Px(x), ground + 3), row.below);  // 3 pixels under the ground line
        EXPECT_EQ(image.pixel(g.Px(x), ground + 4), kMaroon);
    }
}

TEST(ProfilePlot, ScaleTicksEveryTwoKilometresOn801Pixels) {
    Shown m = Hop({{0, 100}, {50, 100}}, 200, 200);
    m.options.scaleShown = true;
    const Geometry g = GeometryOf(m, 801, 401);
    EXPECT_DOUBLE_EQ(g.kx, 749.0 / 50);
    EXPECT_EQ(ScaleStep(g.kx), 2.0);   // 0.1 ... 1 km are closer than 20 pixels, 2 km are 29
    EXPECT_EQ(ScaleStep(199.9), 0.2);  // 0.1 m spans 19 pixels
    EXPECT_EQ(ScaleStep(200), 0.1);
    EXPECT_EQ(ScaleStep(0.2), 100.0);
    EXPECT_EQ(ScaleStep(0.19), 200.0);  // 100 spans 19 pixels: the 1-2-5 series goes on
    EXPECT_EQ(ScaleStep(0.01), 2000.0);
    const QImage image = Draw(m, 801, 401);

    // Level lines every 20 m (1.8 pixels a metre) from 100 m; a row between two of them.
    EXPECT_EQ(ScaleStep(g.ky), 20.0);
    const int y0 = 401 - 20;
    const int row = y0 - static_cast<int>(5 * 20 * static_cast<Ld>(g.ky)) - 10;
    for (int i = 1; i <= 24; ++i) {
        const int col = 26 + static_cast<int>(i * 2.0L * g.kx);
        SCOPED_TRACE(i);
        EXPECT_EQ(image.pixel(col, row), kBlack);  // white sky, inverted
        EXPECT_EQ(image.pixel(col + 1, row), kWhite);
    }
    // A straight level line at 120 m crosses the sky, inverted, from column 26.
    const int level = y0 - static_cast<int>(20 * static_cast<Ld>(g.ky));
    EXPECT_EQ(image.pixel(30, level), kBlack);
    EXPECT_EQ(image.pixel(30, level - 1), kWhite);
}

TEST(ProfilePlot, ScaleNumbersThatWouldOverprintAreLeftOut) {
    const QRect meter(4, 6, 20, 13), km(1898, 580, 24, 13);
    struct Row {
        QRect cell, previous;
        bool fits;
    };
    const Row rows[] = {
        {{100, 582, 14, 13}, {}, true},                     // the first of its row
        {{122, 582, 24, 13}, {100, 582, 14, 13}, true},     // touching the one before is not covering it
        {{121, 582, 24, 13}, {100, 582, 22, 13}, false},    // one pixel over the one before
        {{1889, 582, 24, 13}, {1867, 582, 14, 13}, false},  // over the "[км]" mark
        {{1, 10, 20, 13}, {1, 40, 20, 13}, false},          // a level number over "[м]"
        {{1, 19, 20, 13}, {1, 40, 20, 13}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.cell.x() << "," << row.cell.y());
        EXPECT_EQ(NumberFits(row.cell, row.previous, meter, km), row.fits);
    }

    // On a 41.5 km hop 1920 pixels wide the ticks stand every 0.5 km, about 22 pixels apart; the
    // last number, "41.5", would run into the unit mark, which therefore shows alone.
    Shown m = Hop({{0, 100}, {41.5, 100}}, 20, 20);
    m.options.scaleShown = true;
    EXPECT_EQ(ScaleStep(GeometryOf(m, 1920, 600).kx), 0.5);
    const QImage image = Draw(m, 1920, 600);
    QImage markAlone(image.size(), image.format());
    markAlone.fill(kWhite);
    QPainter painter(&markAlone);
    painter.setFont(PlotFont());
    DrawPlotText(painter, 1920 - 22, 600 - 20, QStringLiteral("[км]"));
    const QRect cell(1920 - 22, 600 - 20, 22, painter.fontMetrics().height());
    painter.end();
    EXPECT_EQ(image.copy(cell), markAlone.copy(cell));
}

TEST(ProfilePlot, InvertingPenOverTheGroundAndCurvedLevels) {
    Shown m = Hop({{0, 50}, {25, 150}, {50, 50}}, 200, 200);
    m.options.scaleShown = true;
    const Geometry g = GeometryOf(m, 801, 401);
    const double stepY = ScaleStep(g.ky);
    double yStart = std::trunc(g.ymin / stepY) * stepY;
    if (yStart < g.ymin) yStart += stepY;
    std::vector<int> levels;
    for (int i = 0; g.ymax - yStart >= i * stepY; ++i)
        levels.push_back(401 - 20 - static_cast<int>((static_cast<Ld>(yStart) - g.ymin) * g.ky) -
                         static_cast<int>(i * static_cast<Ld>(stepY) * g.ky));

    // A tick column at 24 km inside the ground body: inverted maroon, off every level line.
    const int col = 26 + static_cast<int>(12 * 2.0L * g.kx);
    int row = g.Py(g.Bulge(24) + 100);
    while (std::find(levels.begin(), levels.end(), row) != levels.end()) ++row;
    const QImage straight = Draw(m, 801, 401);
    EXPECT_EQ(straight.pixel(col, row), Inverse(kMaroon));

    // Curved: level i at distance x stands Trunc(bulge × ky) pixels above its straight row.
    m.options.curvedLevels = true;
    const QImage curved = Draw(m, 801, 401);
    const double x = 40 * g.step;  // a sample of the curved line, where a piece starts
    const int level = levels[1];
    const int raised = level - static_cast<int>(static_cast<Ld>(g.Bulge(x)) * g.ky);
    const int column = 26 + static_cast<int>(static_cast<Ld>(x) * g.kx);
    ASSERT_GT(level - raised, 2);
    ASSERT_EQ(std::find(levels.begin(), levels.end(), raised), levels.end());
    EXPECT_EQ(curved.pixel(column, raised), Inverse(straight.pixel(column, raised)));
    EXPECT_EQ(curved.pixel(column, level), Inverse(straight.pixel(column, level)));  // the straight line is gone
}

TEST(ProfilePlot, ResultListsDrawnOrNot) {
    // A hill beyond antenna 2 leaves room above the line of sight.
    Shown base = Hop({{0, 100}, {50, 100}, {55, 300}, {60, 100}}, 60, 60);
    base.resultsLoaded = true;
    base.launchPending = false;
    base.antennas.position1 = 10;  // the engine counts from antenna 1
    base.antennas.position2 = 50;
    const Geometry g = GeometryOf(base, 600, 300);
    // Line of sight between the antenna tops, E + A at both ends.
    const double e1 = g.Bulge(10) + 100 + 60, e2 = g.Bulge(50) + 100 + 60;
    auto sight = [&](double x) { return e1 + (x - 10) * (e2 - e1) / 40; };
    auto pixelOf = [&](double d, double offset) {  // a point below the line of sight
        const double x = 10 + d;
        return QPoint(g.Px(x), g.Py(sight(x) - offset));
    };
    auto setList = [](Shown& m, int id, int count) {
        m.resultPoints[id].count = count;
        for (int k = 0; k < count; ++k) {
            m.resultPoints[id].distance[k] = 5.0 * (k + 1);
            m.resultPoints[id].offset[k] = 10;
        }
    };
    {  // list B with list C empty: a polyline through its points
        Shown m = base;
        setList(m, kListB, 3);
        const QImage image = Draw(m, 600, 300);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(image.pixel(pixelOf(5.0 * (k + 1), 10)), kFuchsia) << k;
        // Not at the distance from the profile's start.
        EXPECT_NE(image.pixel(g.Px(5), g.Py(sight(5) - 10)), kFuchsia);
        m.resultPoints[kListC].count = 1;  // with list C: no list B
        m.resultPoints[kListC].distance[0] = 20;
        m.resultPoints[kListC].offset[0] = 10;
        const QImage withC = Draw(m, 600, 300);
        EXPECT_NE(withC.pixel(pixelOf(5, 10)), kFuchsia);
        // List C stands above the line of sight: its first leg rises from antenna 1's top.
        bool above = false;
        for (int y = 0; y < g.Py(sight(20)); ++y) above = above || withC.pixel(g.Px(20), y) == kFuchsia;
        EXPECT_TRUE(above);
    }
    {  // list A: only its first two points
        Shown m = base;
        setList(m, kListA, 5);
        const QImage image = Draw(m, 600, 300);
        EXPECT_EQ(image.pixel(pixelOf(5, 10)), kFuchsia);
        EXPECT_EQ(image.pixel(pixelOf(10, 10)), kFuchsia);
        EXPECT_NE(image.pixel(pixelOf(15, 10)), kFuchsia);
        m.launchPending = true;  // an antenna moved after the results came in
        const QImage pending = Draw(m, 600, 300);
        EXPECT_NE(pending.pixel(pixelOf(5, 10)), kFuchsia);
    }
}

TEST(ProfilePlot, NoUsableDataClearsThePictureWithOneLine) {
    struct Row {
        const char* what;
        void (*change)(Shown&);
        int width;
    };
    const Row rows[] = {
        {"one point", [](Shown& m) { m.profile.points.resize(1); }, 300},
        {"no points", [](Shown& m) { m.profile.points.clear(); }, 300},
        {"last distance 0",
         [](Shown& m) {
             for (auto& p : m.profile.points) p.distance = 0;
         },
         300},
        {"distances that do not grow", [](Shown& m) { m.profile.points[1].distance = 0; }, 300},
        {"radius 0", [](Shown& m) { m.effectiveEarthRadius = 0; }, 300},
        {"radius negative", [](Shown& m) { m.effectiveEarthRadius = -5000; }, 300},
        {"radius infinite", [](Shown& m) { m.effectiveEarthRadius = std::numeric_limits<double>::infinity(); }, 300},
        {"radius NaN", [](Shown& m) { m.effectiveEarthRadius = std::numeric_limits<double>::quiet_NaN(); }, 300},
        {"frequency 0", [](Shown& m) { m.stationParam(kFrequencyParam) = 0; }, 300},
        {"antennas at one place", [](Shown& m) { m.antennas.position2 = m.antennas.position1; }, 300},
        {"a tiny profile: the step would be 0",
         [](Shown& m) {
             m.profile.points[1].distance = 1e-310;
             m.antennas.position2 = 1e-310;
         },
         300},
        {"zero height range",
         [](Shown& m) { m.stationParam(kAntenna1HeightParam) = m.stationParam(kAntenna2HeightParam) = 0; }, 8},
        {"no room for the plot", [](Shown& m) { m.options.scaleShown = true; }, 40},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Shown m = Hop({{0, 100}, {1, 100}}, 10, 10);
        row.change(m);
        QImage image(row.width, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        const ProfilePlot plot = DrawProfile(m, m.options, image, '.');
        EXPECT_FALSE(plot.drawn);
        EXPECT_FALSE(plot.problem.isEmpty());
        EXPECT_EQ(image.pixel(row.width - 1, 199), kWhite);
        int dark = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < row.width; ++x) dark += image.pixel(x, y) != kWhite;
        if (row.width >= 100) EXPECT_GT(dark, 0);  // the line saying why
    }
    QImage empty;
    EXPECT_FALSE(DrawProfile(Hop({{0, 100}, {1, 100}}, 10, 10), {}, empty, '.').drawn);
}

// On a level profile at height 0 the tops on the k_e earth stand, between the antennas only,
// above the drawn ground by the earth's bulge at k_e over the antennas' chord beyond the median
// one: 1000 × (x − X1) × (X2 − x) / 2 × (1 / R_ke − 1 / R_median) m.
TEST(ProfilePlot, TopsAtMinimumKDashedWhereTheFormulaPutsThem) {
    const QRgb kOrange = qRgb(255, 140, 0);
    Shown m = Hop({{0, 0}, {50, 0}}, 60, 60);
    m.antennas.position1 = 5;
    m.antennas.position2 = 45;
    const double radiusKe = 5000;
    auto extra = [&](double x) { return 1000 * (x - 5) * (45 - x) / 2 * (1 / radiusKe - 1 / m.effectiveEarthRadius); };
    EXPECT_NEAR(extra(25), 1000.0 * 40 * 40 / 8 * (1 / 5000.0 - 1 / 8500.0), 1e-9);
    EXPECT_NEAR(extra(25), 16.47, 0.005);
    EXPECT_DOUBLE_EQ(extra(5), 0);
    EXPECT_DOUBLE_EQ(extra(45), 0);

    const int w = 801, h = 401;
    const Geometry g = GeometryOf(m, w, h);
    MinimumKOverlay overlay;
    overlay.radiusKm = radiusKe;
    QImage plain(w, h, QImage::Format_RGB32), off(w, h, QImage::Format_RGB32), none(w, h, QImage::Format_RGB32);
    DrawProfile(m, m.options, plain, ',');
    DrawProfile(m, m.options, off, ',', &overlay);  // the option off: the overlay is not drawn
    m.options.minimumKShown = true;
    DrawProfile(m, m.options, none, ',');  // the option on without an overlay
    EXPECT_EQ(off, plain);
    EXPECT_EQ(none, plain);
    const QImage shown = Draw(m, w, h);
    EXPECT_EQ(shown, plain);  // Draw hands no overlay either
    QImage image(w, h, QImage::Format_RGB32);
    ASSERT_TRUE(DrawProfile(m, m.options, image, ',', &overlay).drawn);

    // Every orange pixel stands in a column between the antennas; in the middle of the hop,
    // within a row of the formula's, and the dashes leave gaps.
    int dashed = 0, gaps = 0;
    for (int c = 0; c < w; ++c) {
        const double x = (c - g.left + 0.5) / g.kx;
        const int expected = g.Py(g.Bulge(x) + extra(x));
        bool found = false;
        for (int y = 0; y < h; ++y) {
            if (image.pixel(c, y) != kOrange) continue;
            found = true;
            EXPECT_GE(c, g.Px(5) - 1);
            EXPECT_LE(c, g.Px(45) + 1);
            if (x > 15 && x < 35) EXPECT_NEAR(y, expected, 1) << "column " << c;
        }
        if (x > 15 && x < 35) (found ? dashed : gaps) += 1;
    }
    EXPECT_GT(dashed, gaps);
    EXPECT_GT(gaps, 20);

    // The critical points: at median k on the drawn tops, at k_e on the dashed line.
    struct Row {
        double x;
        bool atMinimumK;
    };
    for (const Row& row : {Row{20, false}, Row{30, true}}) {
        SCOPED_TRACE(row.atMinimumK);
        overlay.marks = {{row.x, -0.12, row.atMinimumK}};
        QImage marked(w, h, QImage::Format_RGB32);
        DrawProfile(m, m.options, marked, ',', &overlay);
        const int row0 = g.Py(g.Bulge(row.x) + (row.atMinimumK ? extra(row.x) : 0));
        // A square 9 pixels wide: hollow at median k, filled at k_e.
        EXPECT_EQ(marked.pixel(g.Px(row.x) - 4, row0), kOrange);
        EXPECT_EQ(marked.pixel(g.Px(row.x) + 4, row0), kOrange);
        EXPECT_EQ(marked.pixel(g.Px(row.x), row0), row.atMinimumK ? kOrange : image.pixel(g.Px(row.x), row0));
        int changed = 0;  // the clearance's text beside the marker
        for (int y = 0; y < h; ++y)
            for (int c = g.Px(row.x) + 5; c < g.Px(row.x) + 60; ++c) changed += marked.pixel(c, y) != image.pixel(c, y);
        EXPECT_GT(changed, 20);
    }
}

// The ground, its objects and masts are painted as one body and then corrected where later
// pieces cover earlier ones; that must give the pixels of painting every piece in turn.
TEST(ProfilePlot, FastGroundMatchesPieceByPiece) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 60; ++trial) {
        SCOPED_TRACE(trial);
        const int n = 2 + static_cast<int>(unit(random) * (trial % 3 == 0 ? 900 : 40));
        std::vector<Point> points;
        double d = 0;
        for (int i = 0; i < n; ++i) {
            points.push_back({d, 100 + 80 * unit(random), static_cast<int>(unit(random) * 4) * (1 + trial % 3),
                              unit(random) < 0.3 ? 0 : 20 * unit(random)});
            d += 0.01 + unit(random) * (trial % 2 ? 0.05 : 3);
        }
        Shown m = Hop(points, 5 + 50 * unit(random), 5 + 50 * unit(random));
        const double L = points.back().d;
        m.antennas.position1 = trial % 4 == 0 ? points[n / 3].d : L * 0.3 * unit(random);
        m.antennas.position2 = trial % 4 == 1 ? points[n - 1 - n / 4].d : L * (0.7 + 0.3 * unit(random));
        if (m.antennas.position2 <= m.antennas.position1) m.antennas.position2 = L;
        m.options.scaleShown = trial % 2 == 0;
        m.options.curvedLevels = trial % 4 == 0;
        const int w = 200 + trial * 23, h = 150 + trial * 11;
        QImage fast(w, h, QImage::Format_RGB32), slow(w, h, QImage::Format_RGB32);
        const ProfilePlot a = DrawProfile(m, m.options, fast, '.');
        const ProfilePlot b = detail::DrawProfilePieceByPiece(m, m.options, slow, '.');
        ASSERT_TRUE(a.drawn) << a.problem.toStdString();
        EXPECT_EQ(a.groundUnderAntenna, b.groundUnderAntenna);
        int differ = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) differ += fast.pixel(x, y) != slow.pixel(x, y);
        EXPECT_EQ(differ, 0);
    }
}

}  // namespace
}  // namespace vakrel
