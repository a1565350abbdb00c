#include "editor_fixture.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "editor_support.h"
#include "string_grid.h"

namespace vakrel::test {

WorkingSet::WorkingSet() : previous_(std::filesystem::current_path()) {
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn", "prf.tip", "rrv.tip"}) dir.write(name, Example(name));
    std::filesystem::current_path(dir.path());
    model.workingDirectory = CurrentDirectory();
    model.profile = ReadProfileFile("prf.idn");
    model.station = LoadStationFile("ttx.idn");
    QLocale::setDefault(QLocale::c());
}

WorkingSet::~WorkingSet() {
    std::filesystem::current_path(previous_);
    QLocale::setDefault(QLocale::c());
}

void TypeInto(StringGrid& grid, int col, int row, const QString& text) {
    grid.setCurrentCell(col, row);
    QLineEdit* editor = grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        editor->insert(text);
}

void KeyInto(StringGrid& grid, int col, int row, const QString& text) {
    grid.setCurrentCell(col, row);
    QLineEdit* editor = grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    editor->end(false);
    QTest::keyClicks(editor, text);
}

StringGrid& GridOf(QWidget& form) { return *form.findChild<StringGrid*>(QStringLiteral("StringGrid1")); }
QLineEdit& NameFieldOf(QWidget& form) { return *form.findChild<QLineEdit*>(QStringLiteral("Edit1")); }

}  // namespace vakrel::test
