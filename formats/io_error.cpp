#include "io_error.h"

#include <cerrno>

namespace vakrel {

IoError::IoError(IoErrorKind kind, std::string path, int code)
    : std::runtime_error(StandardMessage(kind, code)), kind_(kind), path_(std::move(path)), code_(code) {}

IoError::IoError(std::string customMessage, std::string path)
    : std::runtime_error(std::move(customMessage)), kind_(IoErrorKind::Custom), path_(std::move(path)), code_(0) {}

std::string IoError::userMessage() const { return WithClosingPoint(what()); }

std::string StandardMessage(IoErrorKind kind, int code) {
    switch (kind) {
        case IoErrorKind::FileNotFound: return "File not found";
        case IoErrorKind::InvalidFilename: return "Invalid filename";
        case IoErrorKind::TooManyOpenFiles: return "Too many open files";
        case IoErrorKind::AccessDenied: return "File access denied";
        case IoErrorKind::ReadBeyondEnd: return "Read beyond end of file";
        case IoErrorKind::DiskFull: return "Disk full";
        case IoErrorKind::InvalidNumericInput: return "Invalid numeric input";
        case IoErrorKind::Other:
        case IoErrorKind::Custom: break;
    }
    return "I/O error " + std::to_string(code);
}

std::string WithClosingPoint(std::string message) {
    // Bytes compare unsigned: a UTF-8 Cyrillic letter ends in a byte above '.', as it should.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

IoError IoErrorFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return IoError(IoErrorKind::FileNotFound, path);
        case ENAMETOOLONG:
        case EINVAL: return IoError(IoErrorKind::InvalidFilename, path);
        case EMFILE:
        case ENFILE: return IoError(IoErrorKind::TooManyOpenFiles, path);
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS: return IoError(IoErrorKind::AccessDenied, path);
        case ENOSPC:
        case EDQUOT:
        case EFBIG:  // a file past the size the system allows this process: for the user, a full disk
            return IoError(IoErrorKind::DiskFull, path);
        default: return IoError(IoErrorKind::Other, path, err);
    }
}

}  // namespace vakrel
