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
        text += QStringLiteral("\nРабочая папка не найдена: ") + ReadableBytes(workingDirectory);
    return text;
}

namespace {

// The length of the valid UTF-8 sequence at the start of `bytes`; 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || bytes.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return 0;
    const auto second = static_cast<unsigned char>(bytes[1]);
    // Overlong forms, UTF-16 surrogates and code points above U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace

QString ReadableBytes(std::string_view bytes) {
    QString shown;
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
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
