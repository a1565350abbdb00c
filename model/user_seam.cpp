#include "user_seam.h"

#include <QDir>
#include <QFileInfo>

#include "io_error.h"

namespace vakrel {

std::optional<QString> UserSeam::ChooseFile(QWidget* parent, const FileDialogRequest& request) {
    auto chosen = AskFile(parent, request);
    if (chosen) QDir::setCurrent(QFileInfo(*chosen).absolutePath());
    return chosen;
}

std::optional<QString> UserSeam::ChooseFolder(QWidget* parent, const QString& title) {
    FileDialogRequest request;
    request.title = title;
    request.folder = true;
    return AskFile(parent, request);
}

void UserSeam::ShowIoError(QWidget* parent, const IoError& error) {
    ShowError(parent, QString::fromLatin1(kApplicationTitle), QString::fromStdString(error.userMessage()));
}

}  // namespace vakrel
