#include "qt_user_seam.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "child_process.h"

namespace vakrel {

namespace {

bool AskYesNo(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace

bool QtUserSeam::Confirm(QWidget* parent, const QString& text) {
    return AskYesNo(parent, QMessageBox::Question, QStringLiteral("Confirm"), text);
}

bool QtUserSeam::Warn(QWidget* parent, const QString& text) {
    return AskYesNo(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

void QtUserSeam::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A box sized to a short message is narrower than its title: a row of fixed width under
    // the text keeps the caption whole. The box sets its own size, so a minimum width on the
    // box itself would not hold.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(kMinimumErrorBoxWidth, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

int QtUserSeam::Choose(QWidget* parent, const QString& caption, const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> buttons;
    for (const QString& choice : choices) buttons << box.addButton(choice, QMessageBox::ActionRole);
    box.addButton(QMessageBox::Close);
    box.exec();
    return buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
}

std::unique_ptr<StartedProgram> QtUserSeam::StartProgram(const QString& program, const QStringList& arguments,
                                                         const QString& workingDirectory) {
    return StartChildProcess(program, arguments, workingDirectory);
}

std::optional<QString> QtUserSeam::AskFile(QWidget* parent, const FileDialogRequest& request) {
    if (request.folder) {
        // Qt's own dialog, which can make a new folder, in Russian like the others.
        QFileDialog dialog(parent, request.title, QDir::currentPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
    QFileDialog dialog(parent, request.title, QDir::currentPath(), request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialName);
    // The overwrite question is Qt's own, asked by the save dialog before it closes.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace vakrel
