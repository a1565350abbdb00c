#pragma once
// The one input/output error of the program. Every file operation throws it on its first
// failure; each command catches it once, at its top, and shows userMessage() to the user.

#include <stdexcept>
#include <string>

namespace vakrel {

enum class IoErrorKind {
    FileNotFound,
    InvalidFilename,
    TooManyOpenFiles,
    AccessDenied,
    ReadBeyondEnd,
    DiskFull,
    InvalidNumericInput,
    Other,   // "I/O error %d" with the system's error number
    Custom,  // a message of the program's own, for example a refused profile
};

class IoError : public std::runtime_error {
public:
    // A standard failure; `code` is the system error number shown for IoErrorKind::Other.
    IoError(IoErrorKind kind, std::string path, int code = 0);
    // A failure with a message of the program's own (UTF-8).
    IoError(std::string customMessage, std::string path);

    IoErrorKind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    int code() const { return code_; }

    // The message the user sees (UTF-8), with the closing point rule applied.
    std::string userMessage() const;

private:
    IoErrorKind kind_;
    std::string path_;
    int code_;
};

// The standard message of a kind, without the closing point ("File not found", "I/O error 5").
std::string StandardMessage(IoErrorKind kind, int code);

// Appends a point when the last character's code is above that of the point, as every
// letter and digit has; "File not found" becomes "File not found.".
std::string WithClosingPoint(std::string message);

// Maps a system errno to the error the user is shown.
IoError IoErrorFromErrno(int err, const std::string& path);

}  // namespace vakrel
