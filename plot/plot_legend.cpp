#include "plot_legend.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "profile_plot.h"

namespace vakrel {

std::vector<LegendEntry> PictureLegend(const std::map<int, QString>& objectNames) {
    using S = LegendEntry::Swatch;
    std::vector<LegendEntry> legend;
    legend.push_back({S::Area, kGroundColour, QStringLiteral("Земля, изогнутая с кривизной Земли при k медианном")});
    for (int code = 1; code <= 8; ++code) {
        QString text = QStringLiteral("Код %1").arg(code);
        if (const auto name = objectNames.find(code); name != objectNames.end() && !name->second.isEmpty())
            text += QStringLiteral(" — ") + name->second;
        legend.push_back({IsStripCode(code) ? S::Strip : S::Band, ObjectColour(code), text});
    }
    legend.push_back({S::Band, ObjectColour(9), QStringLiteral("Коды 9–255")});
    legend.push_back({S::Line, kPlotBlack, QStringLiteral("Верх объектов (земля и высота объектов)")});
    legend.push_back({S::Upright, kMastColour, QStringLiteral("Мачты антенн")});
    legend.push_back({S::Line, kSightColour, QStringLiteral("Линия прямой видимости между антеннами")});
    legend.push_back({S::Line, kClearanceColour, QStringLiteral("Нижняя граница зоны минимального просвета")});
    legend.push_back(
        {S::Dashed, kMinimumKColour, QStringLiteral("Верх объектов при k мин (просвет до линии видимости)")});
    legend.push_back(
        {S::HollowMarker, kMinimumKColour, QStringLiteral("Критическая точка при k медианном, просвет в F1")});
    legend.push_back({S::FilledMarker, kMinimumKColour, QStringLiteral("Критическая точка при k мин, просвет в F1")});
    legend.push_back({S::Line, kResultColour, QStringLiteral("A — критическая точка и второе препятствие")});
    legend.push_back({S::Line, kResultColour, QStringLiteral("B — точка отражения")});
    legend.push_back({S::Line, kResultColour, QStringLiteral("C — точка Буллингтона или вершина объема рассеяния")});
    return legend;
}

LegendLayout LayOutLegend(const std::vector<LegendEntry>& legend, const QFontMetrics& metrics, int width) {
    LegendLayout layout;
    const int height = metrics.height();
    layout.swatchWidth = height * 5 / 2;
    const int gap = metrics.averageCharWidth();
    int widest = 0;
    for (const auto& entry : legend) widest = std::max(widest, metrics.horizontalAdvance(entry.text));
    const int cellWidth = layout.swatchWidth + gap + widest + 2 * gap;
    const int rowHeight = metrics.lineSpacing() + height / 4;
    const int count = static_cast<int>(legend.size());
    const int columns = std::clamp(width / std::max(cellWidth, 1), 1, std::max(count, 1));
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i)
        layout.cells.emplace_back((i / rows) * cellWidth, (i % rows) * rowHeight, cellWidth, rowHeight);
    layout.size = QSize(count == 0 ? 0 : columns * cellWidth - 2 * gap, rows * rowHeight);
    return layout;
}

namespace {

// The swatch of one entry in `box`, with lines `thickness` pixels wide.
void PaintSwatch(QPainter& painter, const QRect& box, const LegendEntry& entry, int thickness) {
    using S = LegendEntry::Swatch;
    const QPoint middle = box.center();
    auto line = [&](QPoint from, QPoint to, Qt::PenStyle style) {
        QPen pen(entry.colour, thickness, style, Qt::FlatCap);
        if (style == Qt::CustomDashLine) pen.setDashPattern({5, 3});
        painter.setPen(pen);
        painter.drawLine(from, to);
    };
    const int side = std::min(7 * thickness, box.height());
    const QRect square(middle.x() - side / 2, middle.y() - side / 2, side, side);
    switch (entry.swatch) {
        case S::Area: painter.fillRect(box, entry.colour); break;
        case S::Band:
            painter.fillRect(box.adjusted(0, 0, 0, -box.height() / 3), entry.colour);
            painter.fillRect(box.adjusted(0, box.height() - box.height() / 3, 0, 0), kGroundColour);
            break;
        case S::Strip:
            painter.fillRect(box.adjusted(0, box.height() / 2, 0, 0), kGroundColour);
            painter.fillRect(QRect(box.left(), box.top() + box.height() / 2, box.width(), std::max(3 * thickness, 3)),
                             entry.colour);
            break;
        case S::Line: line({box.left(), middle.y()}, {box.right(), middle.y()}, Qt::SolidLine); break;
        case S::Upright: line({middle.x(), box.top()}, {middle.x(), box.bottom()}, Qt::SolidLine); break;
        case S::Dashed: line({box.left(), middle.y()}, {box.right(), middle.y()}, Qt::CustomDashLine); break;
        case S::HollowMarker:
            painter.setPen(QPen(entry.colour, thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(square);
            break;
        case S::FilledMarker: painter.fillRect(square, entry.colour); break;
    }
}

}  // namespace

void PaintLegend(QPainter& painter, QPoint origin, const std::vector<LegendEntry>& legend, const LegendLayout& layout) {
    painter.save();
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    const int thickness = std::max(1, height / 12);
    const int gap = metrics.averageCharWidth();
    for (std::size_t i = 0; i < legend.size() && i < layout.cells.size(); ++i) {
        const QRect cell = layout.cells[i].translated(origin);
        const int pad = height / 6;
        const QRect box(cell.left(), cell.top() + pad, layout.swatchWidth, height - 2 * pad);
        PaintSwatch(painter, box, legend[i], thickness);
        painter.setPen(kPlotBlack);
        painter.drawText(cell.left() + layout.swatchWidth + gap, cell.top() + metrics.ascent(), legend[i].text);
    }
    painter.restore();
}

}  // namespace vakrel
