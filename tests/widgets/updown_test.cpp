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
        {1500, 1, 1000, 10, true, 1000, true},   // given a place beyond the range: back into it
        {1500, 1, 1000, 10, false, 1000, true},
        {INT_MAX - 5, 0, INT_MAX, 100, true, INT_MAX, true},  // 32-bit positions, no overflow
        {INT_MIN + 5, INT_MIN, 0, 100, false, INT_MIN, true},
        {3, 5, 4, 1, true, 3, false},            // no allowed place at all
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
