#include "engine_launch.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "io_error.h"
#include "program_search.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

namespace {

QString ResultFileIn(const QString& workingDirectory) {
    return QString::fromStdString(InFolder(workingDirectory.toStdString(), kResultFile));
}

// Removes the result file of an earlier run; one that is not there is fine.
void RemoveOldResults(const QString& workingDirectory) {
    const std::string path = ResultFileIn(workingDirectory).toStdString();
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) throw IoErrorFromErrno(errno, path);
}

}  // namespace

EngineRun::EngineRun() = default;
EngineRun::~EngineRun() = default;

void EngineRun::Start(UserSeam& seam, const QString& workingDirectory) {
    program_.reset();  // an earlier run must not write its results after this one has begun
    workingDirectory_ = workingDirectory;
    RemoveOldResults(workingDirectory);
    const QStringList arguments{QString::fromLatin1(kBufferProfile), QString::fromLatin1(kBufferStation)};
    const QString engine = FindProgram(QString::fromLatin1(kEngineProgram));
    if (!engine.isEmpty()) program_ = seam.StartProgram(engine, arguments, workingDirectory);
    if (program_) return;
    const QString commandLine = QString::fromLatin1(kEngineProgram) + ' ' + arguments.join(' ');
    seam.ShowError(nullptr, QStringLiteral("Error"), QStringLiteral("Ошибка запуска ") + commandLine);
}

std::optional<QString> EngineRun::ResultsRefusal() {
    if (!program_) return std::nullopt;
    if (program_->running()) return QStringLiteral("Расчет еще выполняется");
    if (QFileInfo::exists(ResultFileIn(workingDirectory_))) return std::nullopt;
    if (!QFileInfo(workingDirectory_).isDir())
        return QStringLiteral("Рабочая папка не найдена: ") + QDir::toNativeSeparators(workingDirectory_);
    return QStringLiteral("Расчет завершился с ошибкой (код %1)").arg(program_->exitCode());
}

}  // namespace vakrel
