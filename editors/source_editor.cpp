#include "source_editor.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QShowEvent>

#include "codepage.h"
#include "dialog_font.h"
#include "editor_support.h"
#include "io_error.h"
#include "parameter_line.h"
#include "string_grid.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

SourceEditor::SourceEditor(const QString& objectName, const QString& caption, const SourceEditorLayout& layout,
                           UserSeam& seam, const std::string& workingDirectory)
    : seam_(seam), workingDirectory_(workingDirectory) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    MakeFixedEditorWindow(*this, layout.client.width(), layout.client.height());
    // The layout's sizes were drawn for a small dialog font: longer names must fit the grid.
    setFont(DialogFont(11));

    label1_ = new QLabel(layout.labelText, this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    label1_->move(layout.labelPos);
    label1_->adjustSize();
    label1_->setToolTip(layout.labelToolTip);
    label1_->setContextMenuPolicy(Qt::CustomContextMenu);

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(layout.editPos.x(), layout.editPos.y(), layout.editWidth, edit1_->sizeHint().height());

    stringGrid1_ = new StringGrid(layout.gridCols, layout.gridRows, layout.gridFixedCols, 1, this);
    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    stringGrid1_->setGeometry(layout.gridRect);
    stringGrid1_->setDefaultRowHeight(20);
    stringGrid1_->setScrollBars(layout.gridScrollBars, false);
    stringGrid1_->setToolTip(layout.gridToolTip);
    // The headings a pixel smaller than the cells, so that the longest fits its column whole.
    stringGrid1_->horizontalHeader()->setFont(DialogFont(10));

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    n1_ = popupMenu1_->addAction(QStringLiteral("Считать из файла"));
    n1_->setObjectName(QStringLiteral("N1"));
    n2_ = popupMenu1_->addAction(QStringLiteral("Сохранить в файле"));
    n2_->setObjectName(QStringLiteral("N2"));

    connect(label1_, &QLabel::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu1_->popup(label1_->mapToGlobal(at)); });
    // From the keyboard: the name field has the focus first, as before; the name label comes
    // after the grid in the Tab order (Shift+Tab from the name field), a frame shows its focus,
    // and Shift+F10 or the Menu key opens its file menu there.
    label1_->setFocusPolicy(Qt::TabFocus);
    label1_->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(highlight); }"));
    for (const QKeySequence& keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, label1_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (!popupMenu1_->isVisible()) popupMenu1_->popup(label1_->mapToGlobal(label1_->rect().center()));
        });
    }
    setTabOrder(edit1_, stringGrid1_);
    setTabOrder(stringGrid1_, label1_);
    connect(n1_, &QAction::triggered, this, [this] { RunCommand(&SourceEditor::N1Click); });
    connect(n2_, &QAction::triggered, this, [this] { RunCommand(&SourceEditor::N2Click); });
    connect(edit1_, &QLineEdit::textChanged, this, &SourceEditor::Edit1Change);
    connect(stringGrid1_, &StringGrid::editTextChanged, this,
            [this](int col, int row, const QString& text) { StringGrid1SetEditText(col, row, text); });
    connect(stringGrid1_, &StringGrid::gridDoubleClicked, this, [this] { StringGrid1DblClick(); });

    CenterOnScreen(*this);
}

bool SourceEditor::RunCommand(void (SourceEditor::*command)()) {
    try {
        (this->*command)();
        return true;
    } catch (const IoError& error) {
        seam_.ShowIoError(this, error, workingDirectory_);
        return false;
    }
}

void SourceEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) RunCommand(&SourceEditor::FormActivate);
}

void SourceEditor::done(int result) {
    if (!RunCommand(&SourceEditor::FormClose)) return;
    QDialog::done(result);
}

bool SourceEditor::ReturnToWorkingDirectory() {
    try {
        MakeCurrent(workingDirectory_);
        return true;
    } catch (const IoError& error) {
        seam_.ShowIoError(this, error, workingDirectory_);
        return false;
    }
}

std::string SourceEditor::FilePath(const QString& fileName) const {
    const std::string bytes = PathBytes(fileName);
    return QDir::isAbsolutePath(fileName) ? bytes : InFolder(workingDirectory_, bytes);
}

void SourceEditor::ShowLoadedName(const std::string& nameWin) {
    ShowName(*edit1_, nameWin);
    nameCurrent_ = TakeName(*edit1_);
    nameLoaded_ = nameCurrent_;
}

void SourceEditor::Edit1Change() { nameCurrent_ = TakeName(*edit1_); }

std::string NameOfKeptLine(const std::string& nameLine, bool blankBoxDrawing) {
    return DosToWin(NameFromNameLine(nameLine), WindowsTest::Full, blankBoxDrawing);
}

}  // namespace vakrel
