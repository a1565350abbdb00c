#pragma once
// Whole-file reading and writing, and the line rule of the data files: a line ends at CR,
// one LF right after the CR is skipped, a bare LF is an ordinary byte, Ctrl-Z (0x1A) ends
// the file, and reading past the end gives empty lines.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vakrel {

// The largest file a reader takes: every data file of a hop is a few kilobytes.
inline constexpr std::size_t kMaxDataFileBytes = 16u << 20;
// What a reader says of a FIFO, a device or a socket in a file's place, and of a larger file.
inline constexpr const char* kNotAFileMessage = "Это не файл с данными";
inline constexpr const char* kTooLargeMessage = "Файл больше 16 МБ";

// The most lines of a text shown line by line: a code reference text (about 100 lines) or the
// engine's result file (about 300). A longer file is none of these, and showing millions of
// lines would hold the window for minutes; its reader refuses it with kTooManyLinesMessage.
inline constexpr std::size_t kMaxShownLines = 5000;
inline constexpr const char* kTooManyLinesMessage = "Файл длиннее 5000 строк";

// Reads a regular file whole. Throws IoError ("File not found", "File access denied" for a
// directory, ...), and one with kNotAFileMessage for anything else that is not a regular file,
// or kTooLargeMessage for a file above kMaxDataFileBytes; nothing is read then.
std::string ReadFileBytes(const std::string& path);

// Replaces `path` with `bytes` whole or not at all: writes a temporary file beside the
// target, flushes it to disk and renames it over the target. On failure the old file is
// untouched, the temporary is removed, and IoError is thrown.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Replaces several files as one: every file is first written and flushed beside its target,
// and only then are the targets replaced, one rename each. A failure while writing leaves every
// old file as it was; a rename refused after others succeeded puts the old bytes of those back
// (or removes them when they did not exist). Throws the first IoError.
struct FileContent {
    std::string path;
    std::string bytes;
};
void WriteFilesTogether(const std::vector<FileContent>& files);

class LineReader {
public:
    // `bytes` must outlive the reader. The text ends at the first Ctrl-Z, if any.
    explicit LineReader(std::string_view bytes);

    // The next line without its end; an empty string once past the end.
    std::string ReadLine() { return std::string(NextLine()); }
    // The same line as a view into the bytes, for a reader that keeps only part of it.
    std::string_view NextLine();
    bool AtEnd() const { return pos_ >= text_.size(); }
    // What is left to read, for the free-format number reader.
    std::string_view Rest() const { return text_.substr(pos_); }
    void Advance(std::size_t count) { pos_ += count; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Every line a writer puts out ends with this.
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace vakrel
