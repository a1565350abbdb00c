#include "profile_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace vakrel {

ProfileView::ProfileView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the whole control
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the verdict strip follows the pointer without a button held
}

void ProfileView::FitImage() {
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
}

void ProfileView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_, area);
    for (const QRect& uncovered : QRegion(area).subtracted(image_.rect())) painter.fillRect(uncovered, Qt::white);
    if (hasFocus()) {
        // On the control only: the picture itself, as saved, has no focus frame.
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ProfileView::keyPressEvent(QKeyEvent* event) {
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10) {
        emit customContextMenuRequested(rect().center());
    } else if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
    } else {
        return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void ProfileView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ProfileView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
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

void ProfileView::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void ProfileView::leaveEvent(QEvent* event) {
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

}  // namespace vakrel
