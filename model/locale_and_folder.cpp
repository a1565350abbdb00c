#include "locale_and_folder.h"

#include <QFile>
#include <QLocale>
#include <filesystem>
#include <system_error>

#include "io_error.h"
#include "number_format.h"

namespace vakrel {

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::string CurrentDirectory() {
    std::error_code error;
    auto current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
}

void MakeCurrent(const std::string& directory) {
    std::error_code error;
    std::filesystem::current_path(directory, error);
    if (error) throw IoErrorFromErrno(error.value(), directory);
}

char LocaleSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

QString GeneralText(double value) { return QString::fromStdString(FormatGeneral(value, LocaleSeparator())); }

}  // namespace vakrel
