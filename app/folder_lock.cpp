#include "folder_lock.h"

#include <QFile>
#include <QLockFile>

#include "working_files.h"

namespace vakrel {

FolderLock::FolderLock() = default;
FolderLock::~FolderLock() = default;

bool FolderLock::Take(const std::string& folder) {
    lock_.reset();
    holder_.clear();
    auto lock =
        std::make_unique<QLockFile>(QFile::decodeName(QByteArray::fromStdString(InFolder(folder, kFolderLockFile))));
    // The program keeps its folder all day: only a process that has ended leaves a stale lock.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) return true;
    qint64 pid = 0;
    QString hostname, application;
    if (lock->getLockInfo(&pid, &hostname, &application))
        holder_ = QStringLiteral("процесс %1 на %2").arg(pid).arg(hostname);
    else
        holder_ = QStringLiteral("другая программа");
    return false;
}

}  // namespace vakrel
