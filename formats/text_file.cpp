#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "io_error.h"

namespace vakrel {

namespace {

constexpr char kCtrlZ = 0x1A;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the close's own error, which a full disk may only show here.
    int closeNow() {
        int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throw IoErrorFromErrno(errno, path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    if (path.empty()) throw IoError(IoErrorKind::FileNotFound, path);
    // Opened without blocking, so that a FIFO or a device in the file's place does not hold the
    // program before it can be looked at; only a regular file is then read.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) throw IoErrorFromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw IoErrorFromErrno(errno, path);
    if (S_ISDIR(st.st_mode)) throw IoError(IoErrorKind::AccessDenied, path);
    if (!S_ISREG(st.st_mode)) throw IoError(kNotAFileMessage, path);
    if (st.st_size > static_cast<off_t>(kMaxDataFileBytes)) throw IoError(kTooLargeMessage, path);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    std::string bytes;
    // Room for the whole file at once: growing by doubling would hold the old and the new
    // buffer together, half as much again as the file.
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw IoErrorFromErrno(errno, path);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read (or reports no size at all) is held to the limit too.
        if (bytes.size() > kMaxDataFileBytes) throw IoError(kTooLargeMessage, path);
    }
    return bytes;
}

namespace {

// The file a write of `path` is to replace: a symbolic link is followed to the file it names
// (which may not exist yet), so that the link stays a link and its target gets the bytes.
std::string LinkTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0;; ++hops) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
        if (hops == 40) throw IoErrorFromErrno(ELOOP, path);
        std::vector<char> named(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 255) + 1);
        const ssize_t n = ::readlink(target.c_str(), named.data(), named.size());
        if (n < 0) throw IoErrorFromErrno(errno, path);
        const std::string next(named.data(), static_cast<std::size_t>(n));
        target = next.front() == '/' || target.find('/') == std::string::npos ? next : FolderOf(target) + "/" + next;
    }
}

// Whether the user has left the file writable: a file without write permission (mode 444) is
// not replaced, even where this process could replace it (root, or a writable folder).
bool WritableFile(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// A written and flushed temporary file beside its target, not yet renamed over it. Removed
// when it goes out of scope without Commit().
class PreparedFile {
public:
    PreparedFile(const std::string& path, std::string_view bytes) : path_(path) {
        if (path.empty()) throw IoError(IoErrorKind::InvalidFilename, path);
        target_ = LinkTarget(path);
        struct stat target {};
        const bool exists = ::stat(target_.c_str(), &target) == 0;
        if (exists && S_ISDIR(target.st_mode)) throw IoError(IoErrorKind::AccessDenied, path);
        if (exists && !WritableFile(target_, target)) throw IoError(IoErrorKind::AccessDenied, path);

        std::string tmpl = FolderOf(target_) + "/.vakrel-XXXXXX";
        std::vector<char> name(tmpl.begin(), tmpl.end());
        name.push_back('\0');
        FileDescriptor fd(::mkstemp(name.data()));
        if (fd.get() < 0) throw IoErrorFromErrno(errno, path);
        tmpPath_ = name.data();
        try {
            // A replaced file keeps the permissions of the old one; a new one gets the usual 0644.
            ::fchmod(fd.get(), exists ? (target.st_mode & 07777) : 0644);
            WriteAll(fd.get(), bytes, path);
            if (::fsync(fd.get()) != 0) throw IoErrorFromErrno(errno, path);
            if (fd.closeNow() != 0) throw IoErrorFromErrno(errno, path);
        } catch (...) {
            // A constructor that throws gets no destructor: the temporary goes here.
            ::unlink(tmpPath_.c_str());
            throw;
        }
    }
    ~PreparedFile() {
        if (!tmpPath_.empty()) ::unlink(tmpPath_.c_str());
    }
    PreparedFile(const PreparedFile&) = delete;
    PreparedFile& operator=(const PreparedFile&) = delete;

    // Renames the temporary over the target: the one step that changes the target.
    void Commit() {
        if (::rename(tmpPath_.c_str(), target_.c_str()) != 0) throw IoErrorFromErrno(errno, path_);
        tmpPath_.clear();
    }

private:
    std::string path_;     // as the caller named it, for messages
    std::string target_;   // the file replaced: `path_` with its symbolic links followed
    std::string tmpPath_;  // empty until made, and again once renamed
};

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) { PreparedFile(path, bytes).Commit(); }

void WriteFilesTogether(const std::vector<FileContent>& files) {
    // Every file is written and flushed before any target changes, so a full disk, a refused
    // folder or a killed process leaves all the old files as they were; only the renames at
    // the end remain, each atomic.
    std::vector<std::unique_ptr<PreparedFile>> prepared;
    for (const auto& f : files) prepared.push_back(std::make_unique<PreparedFile>(f.path, f.bytes));

    struct Old {
        bool existed;
        std::string bytes;
    };
    std::vector<Old> old;
    for (const auto& f : files) {
        struct stat st {};
        const bool existed = ::stat(f.path.c_str(), &st) == 0;
        old.push_back({existed, existed ? ReadFileBytes(f.path) : std::string()});
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            prepared[i]->Commit();
        } catch (...) {
            // A rename refused after others succeeded: put those back.
            for (std::size_t k = 0; k < i; ++k) {
                try {
                    if (old[k].existed)
                        WriteFileAtomically(files[k].path, old[k].bytes);
                    else
                        ::unlink(files[k].path.c_str());
                } catch (const IoError&) {
                    // The first failure is the one the user needs to see.
                }
            }
            throw;
        }
    }
}

LineReader::LineReader(std::string_view bytes) : text_(bytes) {
    auto end = text_.find(kCtrlZ);
    if (end != std::string_view::npos) text_ = text_.substr(0, end);
}

std::string_view LineReader::NextLine() {
    if (AtEnd()) return {};
    const std::size_t start = pos_;
    const std::size_t cr = text_.find('\r', pos_);
    if (cr == std::string_view::npos) {
        pos_ = text_.size();
        return text_.substr(start);
    }
    pos_ = cr + 1;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    return text_.substr(start, cr - start);
}

}  // namespace vakrel
