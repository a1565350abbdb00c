#include "engine_launch.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "buffer_files.h"
#include "io_error.h"
#include "result_file.h"
#include "user_seam.h"

namespace vakrel {

namespace {

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Removes the result file of an earlier run; one that is not there is fine.
void RemoveOldResults() {
    if (::unlink(kResultFile) != 0 && errno != ENOENT) throw IoErrorFromErrno(errno, kResultFile);
}

}  // namespace

QString FindEngine() { return FindEngineIn(QCoreApplication::applicationDirPath(), qEnvironmentVariable("PATH")); }

QString FindEngineIn(const QString& ownFolder, const QString& searchPath) {
    QStringList folders{ownFolder};
    // An empty or relative entry of the search path means the current directory: skipped.
    for (const QString& folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder)) folders << folder;
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(QString::fromLatin1(kEngineProgram));
        if (QDir::isAbsolutePath(candidate) && IsProgram(candidate)) return candidate;
    }
    return {};
}

EngineRun::EngineRun() = default;
EngineRun::~EngineRun() = default;

void EngineRun::Start(UserSeam& seam, const QString& workingDirectory) {
    program_.reset();  // an earlier run must not write its results after this one has begun
    RemoveOldResults();
    const QStringList arguments{QString::fromLatin1(kBufferProfile), QString::fromLatin1(kBufferStation)};
    const QString engine = FindEngine();
    if (!engine.isEmpty()) program_ = seam.StartProgram(engine, arguments, workingDirectory);
    if (program_) return;
    const QString commandLine = QString::fromLatin1(kEngineProgram) + ' ' + arguments.join(' ');
    seam.ShowError(nullptr, QStringLiteral("Error"), QStringLiteral("Ошибка запуска ") + commandLine);
}

std::optional<QString> EngineRun::ResultsRefusal() {
    if (!program_) return std::nullopt;
    if (program_->running()) return QStringLiteral("Расчет еще выполняется");
    if (QFileInfo::exists(QString::fromLatin1(kResultFile))) return std::nullopt;
    return QStringLiteral("Расчет завершился с ошибкой (код %1)").arg(program_->exitCode());
}

}  // namespace vakrel
