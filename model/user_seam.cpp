#include "user_seam.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "codepage.h"
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
        text += QStringLiteral("\nРабочая папка не найдена: ") + ReadableBytes(workingDirectory);
    return text;
}

QString ReadableBytes(std::string_view bytes) {
    QString shown;
    while (!bytes.empty()) {
        const std::size_t length = Utf8CharacterLength(bytes, 0);
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(bytes[0]);
            shown += QStringLiteral("\\x") + QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
            bytes.remove_prefix(1);
            continue;
        }
        shown += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
        bytes.remove_prefix(length);
    }
    return shown;
}

void UserSeam::ShowIoError(QWidget* parent, const IoError& error, const std::string& workingDirectory) {
    ShowError(parent, QString::fromLatin1(kApplicationTitle), IoErrorText(error, workingDirectory));
}

}  // namespace vakrel
