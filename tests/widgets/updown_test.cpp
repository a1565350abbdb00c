// The spin control without a text field: stepping, the ends of its range, no wrapping, the
// click signal only on a change, its two orientations and 32-bit positions.

#include "updown.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <climits>

namespace vakrel {
namespace {

TEST(UpDown, StepsWithinTheRangeWithoutWrapping) {
    struct Row {
        int position, minimum, maximum, increment;
        bool up;
        int after;
        bool clicked;
    };
    const Row rows[] = {
        {300, 1, 1000, 10, true, 310, true},
        {300, 1, 1000, 10, false, 290, true},
        {950, 1, 1000, 100, true, 1000, true},   // stops at the end, not beyond
        {1000, 1, 1000, 10, true, 1000, false},  // at the end: nothing happens
        {1, 1, 1000, 10, false, 1, false},       // no wrapping to the other end
        {5, 1, 1000, 10, false, 1, true},
        {1500, 1, 1000, 10, true, 1000, true},  // given a place beyond the range: back into it
        {1500, 1, 1000, 10, false, 1000, true},
        {INT_MAX - 5, 0, INT_MAX, 100, true, INT_MAX, true},  // 32-bit positions, no overflow
        {INT_MIN + 5, INT_MIN, 0, 100, false, INT_MIN, true},
        {3, 5, 4, 1, true, 3, false},  // no allowed place at all
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.position << (row.up ? " up" : " down"));
        UpDown control(Qt::Vertical);
        control.setMinimum(row.minimum);
        control.setMaximum(row.maximum);
        control.setIncrement(row.increment);
        control.setPosition(row.position);
        QSignalSpy spy(&control, &UpDown::clicked);
        QTest::mouseClick(row.up ? control.upButton() : control.downButton(), Qt::LeftButton);
        EXPECT_EQ(control.position(), row.after);
        EXPECT_EQ(spy.count(), row.clicked ? 1 : 0);
    }
}

TEST(UpDown, ArrowsByOrientation) {
    UpDown vertical(Qt::Vertical);
    vertical.resize(16, 25);
    vertical.show();
    EXPECT_EQ(vertical.upButton()->arrowType(), Qt::UpArrow);
    EXPECT_LT(vertical.upButton()->geometry().bottom(), vertical.downButton()->geometry().top());

    UpDown horizontal(Qt::Horizontal);
    horizontal.resize(33, 17);
    horizontal.show();
    EXPECT_EQ(horizontal.upButton()->arrowType(), Qt::RightArrow);
    EXPECT_EQ(horizontal.downButton()->arrowType(), Qt::LeftArrow);
    EXPECT_LT(horizontal.downButton()->geometry().right(), horizontal.upButton()->geometry().left());
    horizontal.setMaximum(100);
    horizontal.setPosition(50);
    QTest::mouseClick(horizontal.downButton(), Qt::LeftButton);
    EXPECT_EQ(horizontal.position(), 49);
}

}  // namespace
}  // namespace vakrel

namespace vakrel {
namespace {

TEST(UpDown, KeyboardStepsOnceWithArrowsAndTenTimesWithPageKeys) {
    struct Row {
        Qt::Orientation orientation;
        Qt::Key key;
        int after;
    };
    const Row rows[] = {
        {Qt::Vertical, Qt::Key_Up, 310},      {Qt::Vertical, Qt::Key_Down, 290},
        {Qt::Horizontal, Qt::Key_Right, 310}, {Qt::Horizontal, Qt::Key_Left, 290},
        {Qt::Vertical, Qt::Key_PageUp, 400},  {Qt::Horizontal, Qt::Key_PageDown, 200},
        {Qt::Vertical, Qt::Key_Home, 300},  // any other key leaves it
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.key).toString().toStdString());
        UpDown control(row.orientation);
        control.setMinimum(0);
        control.setMaximum(1000);
        control.setIncrement(10);
        control.setPosition(300);
        QSignalSpy clicked(&control, &UpDown::clicked);
        QTest::keyClick(&control, row.key);
        EXPECT_EQ(control.position(), row.after);
        EXPECT_EQ(clicked.count(), row.after == 300 ? 0 : 1);
    }
}

TEST(UpDown, TabReachesItAndTheFocusShows) {
    QWidget window;
    auto* first = new UpDown(Qt::Vertical, &window);
    auto* second = new UpDown(Qt::Horizontal, &window);
    second->move(40, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    // The frame over the arrows shows the focus; the arrows themselves take none.
    const auto visibleFrames = [](const UpDown* control) {
        int shown = 0;
        for (const QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<const QToolButton*>(child) && child->isVisible()) ++shown;
        return shown;
    };
    EXPECT_EQ(visibleFrames(second), 1);
    EXPECT_EQ(visibleFrames(first), 0);
    EXPECT_EQ(second->upButton()->focusPolicy(), Qt::NoFocus);
}

TEST(UpDown, ShiftF10AndTheMenuKeyAskForTheContextMenu) {
    UpDown control(Qt::Vertical);
    control.setContextMenuPolicy(Qt::CustomContextMenu);
    QSignalSpy asked(&control, &QWidget::customContextMenuRequested);
    QTest::keyClick(&control, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&control, Qt::Key_Menu);
    QTest::keyClick(&control, Qt::Key_F10);  // F10 alone is not the menu
    EXPECT_EQ(asked.count(), 2);
}

}  // namespace
}  // namespace vakrel
