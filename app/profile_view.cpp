#include "profile_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace vakrel {

ProfileView::ProfileView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the whole control
}

void ProfileView::FitImage() {
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
}

void ProfileView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_, area);
    for (const QRect& uncovered : QRegion(area).subtracted(image_.rect())) painter.fillRect(uncovered, Qt::white);
}

void ProfileView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void ProfileView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace vakrel
