#include "relay_mast_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vakrel {

namespace {

void DrawSkyAndHill(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kMastPictureHeight);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(0, 0, kMastPictureWidth, kMastPictureHeight, sky);
    QPainterPath hill;
    hill.moveTo(0, 175);
    hill.cubicTo(40, 150, 100, 150, kMastPictureWidth, 168);
    hill.lineTo(kMastPictureWidth, kMastPictureHeight);
    hill.lineTo(0, kMastPictureHeight);
    hill.closeSubpath();
    p.fillPath(hill, QColor(90, 140, 60));
}

// A lattice tower from the hill top (x 73, y 158) up to y 30.
void DrawTower(QPainter& p) {
    const double top = 30, base = 158, halfTop = 4, halfBase = 18, cx = 73;
    p.setPen(QPen(QColor(150, 40, 30), 2));
    auto halfAt = [&](double y) { return halfTop + (halfBase - halfTop) * (y - top) / (base - top); };
    p.drawLine(QPointF(cx - halfTop, top), QPointF(cx - halfBase, base));
    p.drawLine(QPointF(cx + halfTop, top), QPointF(cx + halfBase, base));
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (double y = top; y + 16 <= base; y += 16) {
        const double y2 = y + 16;
        p.drawLine(QPointF(cx - halfAt(y), y), QPointF(cx + halfAt(y2), y2));
        p.drawLine(QPointF(cx + halfAt(y), y), QPointF(cx - halfAt(y2), y2));
        p.drawLine(QPointF(cx - halfAt(y2), y2), QPointF(cx + halfAt(y2), y2));
    }
    p.setPen(QPen(QColor(220, 30, 30), 3));
    p.drawPoint(QPointF(cx, top - 4));  // the obstruction light
}

// A dish facing left or right at height y.
void DrawDish(QPainter& p, double y, bool facesRight) {
    const double x = facesRight ? 80 : 66;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(235, 235, 235));
    QRectF rim(facesRight ? x : x - 8, y - 11, 8, 22);
    p.drawEllipse(rim);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    const double feedX = facesRight ? x + 14 : x - 14;
    p.drawLine(QPointF(rim.center().x(), y), QPointF(feedX, y));
    // Waves leaving the dish.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 3; ++k) {
        const double r = 6.0 * k;
        QRectF arc(feedX - r, y - r, 2 * r, 2 * r);
        p.drawArc(arc, (facesRight ? -40 : 140) * 16, 80 * 16);
    }
}

}  // namespace

QImage RelayMastPicture() {
    QImage image(kMastPictureWidth, kMastPictureHeight, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSkyAndHill(p);
    DrawTower(p);
    DrawDish(p, 52, false);
    DrawDish(p, 78, true);
    return image;
}

}  // namespace vakrel
