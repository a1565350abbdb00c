#include "updown.h"

#include <QToolButton>

namespace vakrel {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);  // a held arrow keeps stepping, as a spin control does
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDown::UpDown(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), orientation_(orientation) {
    const bool vertical = orientation == Qt::Vertical;
    up_ = MakeArrow(this, vertical ? Qt::UpArrow : Qt::RightArrow, "up");
    down_ = MakeArrow(this, vertical ? Qt::DownArrow : Qt::LeftArrow, "down");
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    resize(vertical ? QSize(16, 25) : QSize(33, 17));
}

void UpDown::stepBy(long long delta) {
    if (minimum_ > maximum_) return;  // no position is allowed
    long long next = static_cast<long long>(position_) + delta;
    if (next > maximum_) next = maximum_;
    if (next < minimum_) next = minimum_;
    if (next == position_) return;
    position_ = static_cast<int>(next);
    emit clicked();
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    if (orientation_ == Qt::Vertical) {
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

}  // namespace vakrel
