#include "string_grid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace vakrel {

// Makes the line editors of the grid and keeps them in step with their cells.
class StringGridDelegate : public QStyledItemDelegate {
public:
    explicit StringGridDelegate(StringGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        grid_.editorCreated(editor);
        return editor;
    }

    // Called for every change of the cell's text; only a real difference reaches the editor,
    // so the caret stays where the user is typing.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text) line->setText(text);
    }

    // Over a cell whose text is cut at its edge, the whole text; over any other cell, the
    // grid's own tooltip (the cells carry none of their own).
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString tip = grid_.toolTipAt(index.column(), index.row() + grid_.fixedRows_);
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPos(), tip, view->viewport(), view->visualRect(index));
        }
        return true;
    }

private:
    StringGrid& grid_;
};

StringGrid::StringGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QWidget* parent)
    : QTableWidget(rowCount - fixedRows, colCount, parent), fixedCols_(fixedCols), fixedRows_(fixedRows) {
    setItemDelegate(new StringGridDelegate(*this));
    setEditTriggers(NoEditTriggers);  // the editor is opened by the grid itself, on every current cell
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // a text wider than its cell is cut at the grid line
    verticalHeader()->hide();
    horizontalHeader()->setVisible(fixedRows_ > 0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);

    const QBrush fixedBrush = palette().button();
    for (int c = 0; c < colCount; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem);
        for (int r = 0; r < rowCount - fixedRows; ++r) {
            auto* item = new QTableWidgetItem;
            if (isFixed(c, r)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixedBrush);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            setItem(r, c, item);
        }
    }

    connect(this, &QTableWidget::currentCellChanged, this, &StringGrid::moveEditor);
    connect(this, &QTableWidget::cellDoubleClicked, this, &StringGrid::emitDoubleClick);
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &StringGrid::emitDoubleClick);
    if (fixedCols_ < colCount && rowCount > fixedRows_) setCurrentCell(fixedCols_, fixedRows_);
}

void StringGrid::setColWidth(int col, int width) { horizontalHeader()->resizeSection(col, width); }

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void StringGrid::setScrollBars(bool vertical, bool horizontal) {
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool StringGrid::cellTextCut(int col, int row) const {
    const QString text = cell(col, row);
    if (text.isEmpty() || row < fixedRows_) return false;
    // The room the item view leaves for the text: the cell less the style's margins on both sides.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = columnWidth(col) - 2 * margin;
    return fontMetrics().horizontalAdvance(text) > room;
}

QString StringGrid::toolTipAt(int col, int row) const { return cellTextCut(col, row) ? cell(col, row) : toolTip(); }

QTableWidgetItem* StringGrid::itemAt(int col, int row) const {
    if (row < fixedRows_) return horizontalHeaderItem(col);
    return item(row - fixedRows_, col);
}

QString StringGrid::cell(int col, int row) const {
    const QTableWidgetItem* found = itemAt(col, row);
    return found ? found->text() : QString();
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (QTableWidgetItem* found = itemAt(col, row); found && found->text() != text) found->setText(text);
}

void StringGrid::setCurrentCell(int col, int row) { QTableWidget::setCurrentCell(row - fixedRows_, col); }

// Keeps the editor on the current cell; a fixed cell never becomes current.
void StringGrid::moveEditor(int row, int column, int previousRow, int previousColumn) {
    if (movingEditor_ || row < 0 || column < 0) return;
    if (isFixed(column, row)) {
        movingEditor_ = true;
        if (previousRow >= 0 && previousColumn >= 0) QTableWidget::setCurrentCell(previousRow, previousColumn);
        movingEditor_ = false;
        return;
    }
    const bool hadFocus = hasFocus() || (editor_ && editor_->hasFocus());
    editor_ = nullptr;
    if (editorIndex_.isValid()) QAbstractItemView::closePersistentEditor(editorIndex_);
    editorIndex_ = model()->index(row, column);
    QAbstractItemView::openPersistentEditor(editorIndex_);
    if (editor_) {
        // The view's delegate filters the editor's keys too and swallows Escape; installed
        // again, the grid's filter comes first and hands Escape on to the window.
        editor_->removeEventFilter(this);
        editor_->installEventFilter(this);
    }
    if (editor_ && hadFocus) editor_->setFocus();
}

void StringGrid::editorCreated(QLineEdit* editor) {
    editor_ = editor;
    editor->installEventFilter(this);
    connect(editor, &QLineEdit::textEdited, this, &StringGrid::editorTextEdited);
}

// The text goes into the cell first, so that the handler sees the cell as typed and may set
// it back.
void StringGrid::editorTextEdited(const QString& text) {
    if (!editorIndex_.isValid()) return;
    const int row = editorIndex_.row();
    const int col = editorIndex_.column();
    item(row, col)->setText(text);
    emit editTextChanged(col, row + fixedRows_, text);
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (editor_) editor_->setFocus();
}

void StringGrid::emitDoubleClick() { emit gridDoubleClicked(); }

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::MouseButtonDblClick) emit gridDoubleClicked();
    if (watched == editor_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape closes the window the grid stands in, as it does from any other control.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, static_cast<QKeyEvent*>(event)->modifiers());
        QCoreApplication::sendEvent(window(), &escape);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace vakrel
