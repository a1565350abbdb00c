#include "U_rez.h"

#include <QDir>
#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>
#include <cmath>

#include "code_reference.h"
#include "codepage.h"
#include "hop_model.h"
#include "io_error.h"
#include "locale_and_folder.h"
#include "report.h"
#include "report_print.h"
#include "result_file.h"
#include "text_file.h"
#include "user_seam.h"

namespace vakrel {

namespace {

constexpr int kWidth = 656;
// The report's lines the window shows when it opens: most of a hop's report at one glance.
constexpr int kShownLines = 40;

QString ReportText(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const auto& line : lines) shown << QString::fromStdString(Cp1251ToUtf8(line));
    return shown.join('\n');
}

}  // namespace

TForm6::TForm6(HopModel& model, UserSeam& seam) : model_(model), seam_(seam), Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Результаты расчета интервала РРЛ"));
    setModal(true);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(13);
    Memo1->setFont(courier);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);  // Tab goes on to the buttons below
    Memo1->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);

    // The report to hand on: printed or as a PDF file, with the picture.
    Button1 = new QPushButton(QStringLiteral("Печать..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("PDF..."), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setToolTip(QStringLiteral("Сохранение отчета с профилем в файле PDF"));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 2, 4, 4);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    for (QPushButton* button : {Button1, Button2}) button->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm6::PrintClick);
    connect(Button2, &QPushButton::clicked, this, &TForm6::PdfClick);

    // The text's height for kShownLines lines, with the box's frame, margins and scroll bar;
    // the buttons' row below it as the layout asks. A line's height is taken from a laid out
    // Russian line: the Cyrillic letters may come from a taller font than the one asked for.
    QTextLayout sample(QStringLiteral("Длина интервала"), Memo1->font());
    sample.beginLayout();
    QTextLine line = sample.createLine();
    line.setLineWidth(kWidth);
    const qreal lineHeight = line.height();
    sample.endLayout();
    const int textHeight = static_cast<int>(std::ceil(lineHeight * kShownLines)) +
                           2 * (Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin())) +
                           Memo1->horizontalScrollBar()->sizeHint().height();
    resize(kWidth, textHeight + layout->spacing() + buttons->sizeHint().height());
}

PrintedReport TForm6::Printed() const {
    return {HopName(model_), QDate::currentDate(), pictureSource_ ? pictureSource_() : QImage(),
            Memo1->toPlainText().split('\n'), PictureLegend(ReadObjectCodeNames(model_.workingDirectory))};
}

void TForm6::PrintClick() { PrintReport(this, Printed()); }

void TForm6::PdfClick() {
    try {
        SaveReportAsPdf(seam_, this, model_, Printed());
    } catch (const IoError& e) {
        seam_.ShowIoError(this, e);
    }
}

void TForm6::FormActivate() {
    lines_.clear();
    complete_ = false;
    Memo1->clear();
    Memo1->hide();
    try {
        ResultFile result = BuildReport(model_, LocaleSeparator(), lines_);
        model_.resultPoints = result.lists;
        model_.resultsLoaded = true;
        complete_ = true;
        Memo1->setPlainText(ReportText(lines_));
        Memo1->document()->setModified(false);
        Memo1->setToolTip(QStringLiteral("При закрытии окна результаты сохраняются в файле vakrel_w.rez"));
        Memo1->show();
    } catch (const IoError& e) {
        Memo1->setPlainText(ReportText(lines_));
        Memo1->document()->setModified(false);
        seam_.ShowIoError(this, e, model_.workingDirectory);
    }
}

bool TForm6::FormClose() {
    // A report that stopped at a file it could not read holds the inputs alone: the offer says so.
    const QString title = complete_ ? QStringLiteral("Сохранение результатов расчета  ")
                                    : QStringLiteral("Сохранение неполного отчета: результатов расчета в нем нет");
    const FileDialogRequest request{true, title, QStringLiteral("Результаты расчета (*.rez)"), QStringLiteral("rez"),
                                    QStringLiteral("vakrel_w")};
    if (auto path = seam_.ChooseFile(this, request)) {
        try {
            saveReport(*path);
        } catch (const IoError& e) {
            QDir::setCurrent(QString::fromStdString(model_.workingDirectory));
            seam_.ShowIoError(this, e, model_.workingDirectory);
            return false;
        }
        QDir::setCurrent(QString::fromStdString(model_.workingDirectory));
    }
    Memo1->hide();
    return true;
}

void TForm6::saveReport(const QString& path) {
    std::string bytes;
    for (const std::string& line : SavedLines()) {
        bytes += line;
        bytes += kLineEnd;
    }
    WriteFileAtomically(path.toStdString(), bytes);
}

// The report as built, each line's own bytes in code page 1251, while the planner has not
// touched it; once annotated, the box's lines as they stand. Blocks keep a no-break space,
// which the box's plain text would turn into a blank.
std::vector<std::string> TForm6::SavedLines() const {
    if (!Memo1->document()->isModified()) return lines_;
    std::vector<std::string> lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(Utf8ToCp1251(block.text().toStdString()));
    return lines;
}

void TForm6::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TForm6::reject() {
    // A failed save keeps the window open with its text.
    if (FormClose()) QDialog::reject();
}

}  // namespace vakrel
