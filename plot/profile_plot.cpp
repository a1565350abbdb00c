#include "profile_plot.h"

#include <QImage>
#include <QPainter>

#include "hop_refusal.h"
#include "plot_passes.h"
#include "plot_scale.h"

namespace vakrel {

namespace {

using detail::Ld;
using detail::PlotFrame;

// Clears the picture and writes one line saying why nothing else is drawn.
ProfilePlot Refuse(QImage& image, PlotRaster& raster, const QString& why) {
    raster.Fill(kPlotWhite.rgb());
    QPainter painter(&image);
    painter.setFont(PlotFont());
    DrawPlotText(painter, 4, 4, why);
    ProfilePlot result;
    result.problem = why;
    return result;
}

// The plot area inside a picture of W × H (a margin for the scale when it is shown), the
// antennas and the horizontal scale with its sampling step of 10 pixels.
std::optional<QString> PlaceFrame(PlotFrame& f, int W, int H) {
    const HopModel& m = f.m;
    auto& map = f.map;
    if (f.options.scaleShown) {
        map.left = 26;
        map.top = 20;
        map.plotW = W - 52;
        map.plotH = H - 41;
    } else {
        map.plotW = W;
        map.plotH = H - 1;
    }
    if (map.plotW <= 0 || map.plotH <= 0) return QStringLiteral("Нет места для профиля");

    f.L = f.p.back().distance;
    f.X1 = m.antennas.position1;
    f.X2 = m.antennas.position2;
    f.A1 = m.antennaHeight1();
    f.A2 = m.antennaHeight2();
    map.kx = static_cast<double>(static_cast<Ld>(map.plotW) / f.L);
    f.step = static_cast<double>(10.0L / map.kx);
    f.visibleFrom = static_cast<double>(-static_cast<Ld>(map.left) / map.kx);
    // Every sampling pass advances by the step: it must be a finite step forward.
    if (!std::isfinite(map.kx) || !(f.step > 0) || !std::isfinite(f.step))
        return QStringLiteral("Длина профиля не годится для построения");
    return std::nullopt;
}

// The vertical scale from the height range.
std::optional<QString> ScaleHeights(PlotFrame& f) {
    const Ld range = static_cast<Ld>(f.ymax) - f.map.ymin;
    f.map.ky = static_cast<double>(static_cast<Ld>(f.map.plotH) / range);
    if (!(range > 0) || !std::isfinite(static_cast<double>(range)) || !std::isfinite(f.map.ky) || !(f.map.ky > 0))
        return QStringLiteral("Нулевой диапазон высот профиля");
    return std::nullopt;
}

void DrawSightLine(PlotFrame& f) {
    f.raster.Line(f.top1, f.top2, kSightColour.rgb());
    f.slopeLos = static_cast<double>((static_cast<Ld>(f.E2) + f.A2 - f.E1 - f.A1) / (static_cast<Ld>(f.X2) - f.X1));
}

void DrawScaleOver(const PlotFrame& f, QImage& image, char separator) {
    ScaleInput scale;
    scale.width = image.width();
    scale.height = image.height();
    scale.length = f.L;
    scale.radiusKm = f.m.effectiveEarthRadius;
    scale.kx = f.map.kx;
    scale.ky = f.map.ky;
    scale.step = f.step;
    scale.ymin = f.map.ymin;
    scale.ymax = f.ymax;
    scale.curved = f.options.curvedLevels;
    scale.separator = separator;
    PlotTexts texts(image, f.raster);
    DrawScale(f.raster, texts, scale);
}

ProfilePlot Draw(const HopModel& model, const PlotOptions& options, QImage& image, char separator, bool pieceByPiece,
                 const MinimumKOverlay* minimumK) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 && !image.isNull())
        image = image.convertToFormat(QImage::Format_RGB32);
    if (image.width() <= 0 || image.height() <= 0) {
        ProfilePlot nothing;
        nothing.problem = QStringLiteral("Нет места для профиля");
        return nothing;
    }
    PlotRaster raster(image);
    if (auto why = HopRefusal(model)) return Refuse(image, raster, *why);
    PlotFrame f(model, options, raster);
    if (options.minimumKShown) f.minimumK = minimumK;
    if (auto why = PlaceFrame(f, image.width(), image.height())) return Refuse(image, raster, *why);
    detail::FindHeightRange(f);
    if (auto why = ScaleHeights(f)) return Refuse(image, raster, *why);

    detail::DrawGround(f, pieceByPiece);
    DrawSightLine(f);
    detail::DrawClearanceZone(f);
    if (model.resultsLoaded && !model.launchPending) detail::DrawResultPoints(f);
    detail::DrawOutline(f);
    if (options.scaleShown) DrawScaleOver(f, image, separator);
    if (f.minimumK) {
        PlotTexts texts(image, f.raster);
        detail::DrawMinimumK(f, texts, separator);
    }

    ProfilePlot result;
    result.drawn = true;
    result.groundUnderAntenna = f.ground;
    result.mapping = f.map;
    return result;
}

}  // namespace

ProfilePlot DrawProfile(const HopModel& model, const PlotOptions& options, QImage& image, char separator,
                        const MinimumKOverlay* minimumK) {
    return Draw(model, options, image, separator, false, minimumK);
}

namespace detail {
ProfilePlot DrawProfilePieceByPiece(const HopModel& model, const PlotOptions& options, QImage& image, char separator,
                                    const MinimumKOverlay* minimumK) {
    return Draw(model, options, image, separator, true, minimumK);
}
}  // namespace detail

}  // namespace vakrel
