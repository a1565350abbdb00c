#include "program_search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace vakrel {

namespace {

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString FindProgram(const QString& name) {
    return FindProgramIn(name, QCoreApplication::applicationDirPath(), qEnvironmentVariable("PATH"));
}

QString FindProgramIn(const QString& name, const QString& ownFolder, const QString& searchPath) {
    QStringList folders{ownFolder};
    for (const QString& folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder)) folders << folder;
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QDir::isAbsolutePath(candidate) && IsProgram(candidate)) return candidate;
    }
    return {};
}

}  // namespace vakrel
