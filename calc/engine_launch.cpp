#include "engine_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "buffer_files.h"
#include "user_seam.h"

namespace vakrel {

namespace {

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString FindEngine() {
    const QString name = QString::fromLatin1(kEngineProgram);
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QString candidate = QDir(folder).filePath(name);
        if (IsProgram(candidate)) return candidate;
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}

bool StartEngine(UserSeam& seam, const QString& workingDirectory) {
    const QStringList arguments{QString::fromLatin1(kBufferProfile), QString::fromLatin1(kBufferStation)};
    if (seam.StartProgram(FindEngine(), arguments, workingDirectory)) return true;
    const QString commandLine = QString::fromLatin1(kEngineProgram) + ' ' + arguments.join(' ');
    seam.ShowError(nullptr, QStringLiteral("Error"), QStringLiteral("Ошибка запуска ") + commandLine);
    return false;
}

}  // namespace vakrel
