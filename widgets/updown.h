#pragma once
// A spin control without a text field: two arrow buttons that step an integer position by the
// increment between a minimum and a maximum. It never wraps; an arrow that cannot move the
// position (it already stands at that end) does nothing, and clicked() is emitted only when an
// arrow has changed the position.
//
// From the keyboard: Tab gives it the focus, shown as a frame over the arrows; the arrow keys
// step once (up and right raise), Page Up and Page Down ten times; Shift+F10 and the Menu key
// ask for its context menu, as the right mouse button does.
//
// The position is stored as given, also outside the range; the next arrow click brings it back
// into the range. Positions are 32-bit; the stepping is done in 64 bits so that it cannot
// overflow.

#include <QWidget>

class QToolButton;

namespace vakrel {

class UpDown : public QWidget {
    Q_OBJECT
public:
    // Vertical: the raising arrow on top. Horizontal: the raising arrow on the right.
    explicit UpDown(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return orientation_; }
    int position() const { return position_; }
    void setPosition(int position) { position_ = position; }
    int minimum() const { return minimum_; }
    void setMinimum(int minimum) { minimum_ = minimum; }
    int maximum() const { return maximum_; }
    void setMaximum(int maximum) { maximum_ = maximum; }
    int increment() const { return increment_; }
    void setIncrement(int increment) { increment_ = increment; }

    // The arrow that raises the position and the one that lowers it.
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

public slots:
    // What a click on the arrows does.
    void stepUp() { stepBy(increment_); }
    void stepDown() { stepBy(-static_cast<long long>(increment_)); }

signals:
    // An arrow moved the position; position() holds the new one.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void stepBy(long long delta);

    Qt::Orientation orientation_;
    QToolButton* up_;
    QToolButton* down_;
    QWidget* focusFrame_;
    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
};

}  // namespace vakrel
