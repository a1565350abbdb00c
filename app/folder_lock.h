#pragma once
// One program per working folder: the buffer files and the engine's result file of a folder
// belong to the one program working there. A lock file in the folder says which process holds
// it; a lock whose process is gone is taken over.

#include <QString>
#include <memory>
#include <string>

class QLockFile;

namespace vakrel {

inline constexpr const char* kFolderLockFile = ".vakrel_w.lock";

class FolderLock {
public:
    FolderLock();
    ~FolderLock();

    // Takes the lock of `folder` (the bytes of its path) and gives up one held before. True
    // when this program now holds it, or when the folder takes no lock file at all (a read-only
    // folder, where nothing can be written anyway); false when another live process holds it.
    bool Take(const std::string& folder);
    // After a refused Take: the process that holds the lock, as the user is told of it.
    QString Holder() const { return holder_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString holder_;
};

}  // namespace vakrel
