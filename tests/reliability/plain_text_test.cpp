// Text from files is shown as plain text everywhere: a profile name, a help line, a result line
// and a file name holding markup show their tags as typed, and no label renders them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include "U_col.h"
#include "U_prf.h"
#include "U_rez.h"
#include "buffer_files.h"
#include "editor_fixture.h"
#include "io_error.h"
#include "picture_file.h"
#include "qt_user_seam.h"
#include "u_vakrel.h"

namespace vakrel {
namespace {

// Markup that a rich-text widget would render as bold "x" and an image.
const std::string kMarkup = "<b>x</b><img src=\"/nonexistent.png\">";
const QString kShown = QString::fromStdString(kMarkup);

// The widgets of `window` that show the markup literally; a label that shows it must not be
// able to render it.
int ShownLiterally(const QWidget& window) {
    int shown = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().contains(kShown)) continue;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        ++shown;
    }
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) shown += field->text().contains(kShown);
    for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>())
        shown += memo->toPlainText().contains(kShown);
    // A rich text box that rendered the markup no longer shows its tags in its plain text.
    for (const QTextEdit* box : window.findChildren<QTextEdit*>()) shown += box->toPlainText().contains(kShown);
    return shown;
}

// Runs `inspect` on the modal window `window` once it is shown, then closes it.
template <class Window, class Inspect>
void WhileShownModally(Window& window, Inspect inspect) {
    QTimer::singleShot(0, &window, [&] {
        inspect();
        window.close();
    });
    window.exec();
}

TEST(PlainText, AProfileNameWithMarkup) {
    test::WorkingSet set;
    set.model.profile.header[2] = set.model.profile.header[2].substr(0, 12) + kMarkup;
    set.dir.write("prf.idn", FormatProfileEditorLayout(set.model.profile));
    set.model.antennas.position2 = set.model.profile.points.back().distance;

    // The main window's caption over the picture.
    TForm1 main(set.model, set.seam);
    main.LoadWorkingSet();
    EXPECT_EQ(ShownLiterally(main), 1) << "the main window";

    TForm3 editor(set.model, set.seam);
    editor.show();
    EXPECT_GE(ShownLiterally(editor), 1) << "the profile editor";
    editor.close();

    WriteBufferFiles(set.model);
    set.dir.write("vakrel.rez", "  result line " + kMarkup + "\r\n");
    TForm6 report(set.model, set.seam);
    WhileShownModally(report, [&] {
        const QString text = report.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
        EXPECT_EQ(text.count(kShown), 2) << "the report: profile name and result line";
        EXPECT_GE(ShownLiterally(report), 1);
    });
}

TEST(PlainText, AHelpLineWithMarkup) {
    test::WorkingSet set;
    set.dir.write("prf.tip", kMarkup + "\r\n");
    TForm8 help(set.model, set.seam);
    help.show();
    EXPECT_GE(ShownLiterally(help), 1) << "the code reference window";
    help.close();
}

TEST(PlainText, AFileNameWithMarkupInAnErrorBox) {
    test::TempDir dir;
    std::string message;
    try {
        SavePictureAsBmp(QImage(4, 4, QImage::Format_RGB32), dir.file(kMarkup) + "/vakrel_w.bmp");
    } catch (const IoError& e) {
        message = e.userMessage();
    }
    ASSERT_NE(message.find(kMarkup), std::string::npos);

    QtUserSeam seam;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_TRUE(box->text().contains(kShown)) << box->text().toStdString();
        inspected = true;
        box->close();
    });
    seam.ShowIoError(nullptr, IoError(message, dir.file(kMarkup)));
    EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace vakrel
