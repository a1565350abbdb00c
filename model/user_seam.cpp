#include "user_seam.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

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

QString IoErrorText(const IoError& error, const std::string& workingDirectory) {
    QString text = QString::fromStdString(error.userMessage());
    // The file's own name, unless the message already names it.
    const std::filesystem::path path(error.path());
    const std::string name = (path.has_filename() ? path.filename() : path.parent_path().filename()).string();
    if (!name.empty() && error.userMessage().find(error.path()) == std::string::npos)
        text += '\n' + QString::fromStdString(name);
    std::error_code ignored;
    if (!workingDirectory.empty() && !std::filesystem::is_directory(workingDirectory, ignored))
        text += QStringLiteral("\nРабочая папка не найдена: ") + QString::fromStdString(workingDirectory);
    return text;
}

void UserSeam::ShowIoError(QWidget* parent, const IoError& error, const std::string& workingDirectory) {
    ShowError(parent, QString::fromLatin1(kApplicationTitle), IoErrorText(error, workingDirectory));
}

}  // namespace vakrel
