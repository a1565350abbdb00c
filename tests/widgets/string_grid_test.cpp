#include "string_grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <utility>
#include <vector>

namespace vakrel {
namespace {

// A 4 x 4 grid: the heading row, one fixed column, three rows of input.
struct GridFixture : testing::Test {
    StringGrid grid{4, 4, 1, 1};
    std::vector<std::pair<QPoint, QString>> changes;  // (col, row), text as the handler saw it

    GridFixture() {
        grid.resize(300, 200);
        QObject::connect(&grid, &StringGrid::editTextChanged, &grid, [this](int col, int row, const QString& text) {
            changes.push_back({QPoint(col, row), text});
            // The handler sees the cell as typed, and may set it back.
            EXPECT_EQ(grid.cell(col, row), text);
            if (text.contains(QLatin1Char('x'))) grid.setCell(col, row, QStringLiteral("held"));
        });
        grid.show();
    }
};

TEST_F(GridFixture, CellsAddressedWithTheHeadingRowAsRowZero) {
    grid.setCell(0, 0, QStringLiteral("№"));
    grid.setCell(2, 0, QStringLiteral("Значение"));
    grid.setCell(0, 3, QStringLiteral("3"));
    grid.setCell(3, 3, QStringLiteral("x"));
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("№"));
    EXPECT_EQ(grid.cell(2, 0), QStringLiteral("Значение"));
    EXPECT_EQ(grid.item(2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(grid.cell(3, 3), QStringLiteral("x"));
    EXPECT_EQ(grid.gridRowCount(), 4);
    EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsEditable);  // fixed column
    EXPECT_TRUE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridFixture, SizesOfColumnsAndRows) {
    grid.setColWidth(1, 90);
    grid.setDefaultRowHeight(20);
    EXPECT_EQ(grid.columnWidth(1), 90);
    EXPECT_EQ(grid.rowHeight(2), 20);
    EXPECT_EQ(grid.horizontalHeader()->height(), 20);
    grid.setScrollBars(false, false);
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(GridFixture, EditorOpenOnTheFirstInputCellAndFollowsTheCurrentCell) {
    EXPECT_EQ(grid.currentCol(), 1);
    EXPECT_EQ(grid.currentGridRow(), 1);
    ASSERT_NE(grid.inplaceEditor(), nullptr);
    grid.setCell(2, 3, QStringLiteral("42"));
    grid.setCurrentCell(2, 3);
    ASSERT_NE(grid.inplaceEditor(), nullptr);
    EXPECT_EQ(grid.inplaceEditor()->text(), QStringLiteral("42"));
    // A fixed cell never becomes current.
    grid.setCurrentCell(0, 2);
    EXPECT_EQ(grid.currentCol(), 2);
    EXPECT_EQ(grid.currentGridRow(), 3);
}

TEST_F(GridFixture, EveryKeystrokeReachesTheHandlerAndMaySetTheCellBack) {
    grid.setCurrentCell(3, 2);
    QLineEdit* editor = grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("12"));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].first, QPoint(3, 2));
    EXPECT_EQ(changes[0].second, QStringLiteral("1"));
    EXPECT_EQ(changes[1].second, QStringLiteral("12"));
    EXPECT_EQ(grid.cell(3, 2), QStringLiteral("12"));

    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(changes.back().second, QStringLiteral("12x"));
    EXPECT_EQ(grid.cell(3, 2), QStringLiteral("held"));
    EXPECT_EQ(editor->text(), QStringLiteral("held"));

    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(changes.back().second, QStringLiteral("hel"));
    // Setting other cells programmatically is no keystroke.
    const std::size_t before = changes.size();
    grid.setCell(3, 2, QStringLiteral("7"));
    grid.setCell(1, 1, QStringLiteral("8"));
    EXPECT_EQ(changes.size(), before);
    EXPECT_EQ(editor->text(), QStringLiteral("7"));
}

TEST_F(GridFixture, ArrowKeysMoveTheEditorToTheNextRow) {
    grid.setCurrentCell(2, 1);
    QTest::keyClick(grid.inplaceEditor(), Qt::Key_Down);
    EXPECT_EQ(grid.currentGridRow(), 2);
    EXPECT_EQ(grid.currentCol(), 2);
    QTest::keyClicks(grid.inplaceEditor(), QStringLiteral("5"));
    EXPECT_EQ(grid.cell(2, 2), QStringLiteral("5"));
}

TEST_F(GridFixture, DoubleClickOnCellsHeadingAndEditor) {
    int doubleClicks = 0;
    QObject::connect(&grid, &StringGrid::gridDoubleClicked, &grid, [&doubleClicks] { ++doubleClicks; });
    QTest::mouseDClick(grid.inplaceEditor(), Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);
    emit grid.cellDoubleClicked(2, 0);
    EXPECT_EQ(doubleClicks, 2);
    emit grid.horizontalHeader()->sectionDoubleClicked(1);
    EXPECT_EQ(doubleClicks, 3);
}

TEST_F(GridFixture, ACutCellShowsItsWholeTextAsTooltip) {
    grid.setToolTip(QStringLiteral("the grid's hint"));
    grid.setColWidth(0, 60);
    const QString longName = QStringLiteral("Высота передающей антенны над уровнем моря, м");
    grid.setCell(0, 1, longName);
    grid.setCell(0, 2, QStringLiteral("h, м"));
    EXPECT_TRUE(grid.cellTextCut(0, 1));
    EXPECT_FALSE(grid.cellTextCut(0, 2));
    EXPECT_EQ(grid.toolTipAt(0, 1), longName);
    EXPECT_EQ(grid.toolTipAt(0, 2), QStringLiteral("the grid's hint"));

    // What the user sees when the pointer rests on the cell.
    const QRect cell = grid.visualRect(grid.model()->index(0, 0));
    QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longName);
}

TEST_F(GridFixture, EscapeInTheEditorReachesTheWindow) {
    QDialog dialog;
    StringGrid inDialog(4, 4, 1, 1, &dialog);
    dialog.show();
    inDialog.setFocus();
    ASSERT_NE(inDialog.inplaceEditor(), nullptr);
    QTest::keyClick(inDialog.inplaceEditor(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace vakrel
