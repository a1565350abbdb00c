#include "code_reference.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QShowEvent>

#include "codepage.h"
#include "io_error.h"
#include "text_file.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

std::vector<std::string> ReadCodeReference(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    LineReader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.AtEnd()) {
        if (lines.size() == kMaxShownLines) throw IoError(kTooManyLinesMessage, path);
        std::string shown = DosToWin(reader.NextLine().substr(0, kShortStringMax), WindowsTest::Off, true);
        if (shown.size() > kReferenceLineWidth) shown.resize(kReferenceLineWidth);
        lines.push_back(std::move(shown));
    }
    return lines;
}

std::map<int, std::string> ObjectCodeNames(const std::vector<std::string>& lines) {
    std::map<int, std::string> names;
    for (const std::string& line : lines) {
        std::size_t at = line.find_first_not_of(' ');
        if (at == std::string::npos) continue;
        int code = 0, digits = 0;
        for (; at < line.size() && line[at] >= '0' && line[at] <= '9' && digits < 4; ++at, ++digits)
            code = code * 10 + (line[at] - '0');
        if (digits == 0 || digits > 3 || code > 255 || at >= line.size() || line[at] != ' ') continue;
        const std::size_t begin = line.find_first_not_of(' ', at);
        if (begin == std::string::npos) continue;
        const std::size_t end = line.find("  ", begin);
        names.emplace(code, line.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
    }
    return names;
}

std::map<int, QString> ReadObjectCodeNames(const std::string& workingDirectory) {
    std::map<int, QString> names;
    try {
        for (const auto& [code, name] :
             ObjectCodeNames(ReadCodeReference(InFolder(workingDirectory, kObjectCodesText))))
            names.emplace(code, QString::fromStdString(Cp1251ToUtf8(name)).trimmed());
    } catch (const IoError&) {
        names.clear();
    }
    return names;
}

CodeReferenceWindow::CodeReferenceWindow(const QString& objectName, const QString& caption, std::string fileName,
                                         const std::string& workingDirectory, UserSeam& seam)
    : fileName_(std::move(fileName)), workingDirectory_(workingDirectory), seam_(seam) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    memo1_->setFont(font);
    QPalette palette = memo1_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    memo1_->setPalette(palette);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->hide();
}

void CodeReferenceWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    memo1_->setGeometry(rect());
}

void CodeReferenceWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    try {
        FormActivate();
    } catch (const IoError& error) {
        seam_.ShowIoError(this, error);
    }
}

// Refills the text box; it stays hidden when the file cannot be read.
void CodeReferenceWindow::FormActivate() {
    memo1_->hide();
    memo1_->clear();
    QStringList shown;
    for (const std::string& line : ReadCodeReference(InFolder(workingDirectory_, fileName_)))
        shown << QString::fromStdString(Cp1251ToUtf8(line));
    memo1_->setPlainText(shown.join(QLatin1Char('\n')));
    memo1_->show();
}

void CodeReferenceWindow::done(int result) {
    memo1_->hide();
    QDialog::done(result);
}

}  // namespace vakrel
