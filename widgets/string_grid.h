#pragma once
// A grid of text cells with fixed (heading) rows and columns and an in-place editor that is
// always shown on the current cell. Cells are addressed as (col, row) counting the fixed
// ones, so row 0 is the heading row. The heading row is drawn by the horizontal header and
// so stays in place while the rows scroll; fixed columns are grey cells that take no input.
//
// Every keystroke in the editor stores the editor's text in the cell and then emits
// editTextChanged(col, row, text); a handler may set the cell's text back with setCell(),
// which also replaces the text in the open editor.

#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>

namespace vakrel {

class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    // `fixedRows` is 0 or 1 (the heading row); `fixedCols` columns on the left take no input.
    StringGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QWidget* parent = nullptr);

    int colCount() const { return columnCount(); }
    int gridRowCount() const { return rowCount() + fixedRows_; }
    int fixedCols() const { return fixedCols_; }

    void setColWidth(int col, int width);
    // Height of every row, the heading row included, in pixels.
    void setDefaultRowHeight(int height);
    void setScrollBars(bool vertical, bool horizontal);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // The cell with the editor, in grid coordinates.
    int currentCol() const { return currentColumn(); }
    int currentGridRow() const { return currentRow() + fixedRows_; }
    void setCurrentCell(int col, int row);
    // The open in-place editor, or nullptr while none is open (no editable cell is current).
    QLineEdit* inplaceEditor() const { return editor_; }

    // Whether the text of a cell below the heading row is wider than its cell can show.
    bool cellTextCut(int col, int row) const;
    // The tooltip over a cell: its whole text when the cell cuts it, otherwise the grid's.
    QString toolTipAt(int col, int row) const;

signals:
    void editTextChanged(int col, int row, const QString& text);
    void gridDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Focus given to the grid goes on to the editor of the current cell.
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class StringGridDelegate;

    bool isFixed(int tableCol, int tableRow) const { return tableCol < fixedCols_ || tableRow < 0; }
    QTableWidgetItem* itemAt(int col, int row) const;
    void moveEditor(int row, int column, int previousRow, int previousColumn);
    void editorCreated(QLineEdit* editor);
    void editorTextEdited(const QString& text);
    void emitDoubleClick();

    int fixedCols_;
    int fixedRows_;
    QPointer<QLineEdit> editor_;
    QPersistentModelIndex editorIndex_;
    bool movingEditor_ = false;
};

}  // namespace vakrel
