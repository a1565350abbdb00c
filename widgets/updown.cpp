#include "updown.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

namespace vakrel {

namespace {

// Page Up and Page Down step this many times.
constexpr int kPageSteps = 10;

// The focus frame: drawn over the arrows, transparent for the mouse.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

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
    focusFrame_ = new FocusFrame(this);
    setFocusPolicy(Qt::StrongFocus);
    resize(vertical ? QSize(16, 25) : QSize(33, 17));
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    const long long step = increment_;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right: stepBy(step); break;
        case Qt::Key_Down:
        case Qt::Key_Left: stepBy(-step); break;
        case Qt::Key_PageUp: stepBy(kPageSteps * step); break;
        case Qt::Key_PageDown: stepBy(-kPageSteps * step); break;
        case Qt::Key_F10:
            if (event->modifiers() != Qt::ShiftModifier) return QWidget::keyPressEvent(event);
            [[fallthrough]];
        case Qt::Key_Menu: emit customContextMenuRequested(rect().center()); break;
        default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void UpDown::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    focusFrame_->show();
    focusFrame_->raise();
}

void UpDown::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusFrame_->hide();
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
    focusFrame_->setGeometry(rect());
    if (orientation_ == Qt::Vertical) {
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

}  // namespace vakrel
