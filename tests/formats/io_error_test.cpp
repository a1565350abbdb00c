#include "io_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vakrel {
namespace {

TEST(IoError, StandardMessagesAndTheClosingPoint) {
    struct Row {
        int err;
        const char* message;
    };
    const Row rows[] = {
        {ENOENT, "File not found."},      {ENAMETOOLONG, "Invalid filename."},
        {EMFILE, "Too many open files."}, {EACCES, "File access denied."},
        {ENOSPC, "Disk full."},           {EIO, "I/O error 5."},
    };
    for (const auto& row : rows) EXPECT_EQ(IoErrorFromErrno(row.err, "f").userMessage(), row.message);
    EXPECT_EQ(IoError(IoErrorKind::ReadBeyondEnd, "f").userMessage(), "Read beyond end of file.");
    EXPECT_EQ(IoError(IoErrorKind::InvalidNumericInput, "f").userMessage(), "Invalid numeric input.");
    // No point after a character at or below the point itself.
    EXPECT_EQ(WithClosingPoint("Done."), "Done.");
    EXPECT_EQ(WithClosingPoint("Really!"), "Really!");
    EXPECT_EQ(WithClosingPoint("Профиль содержит более 1000 точек"), "Профиль содержит более 1000 точек.");
    EXPECT_EQ(WithClosingPoint(""), "");
}

}  // namespace
}  // namespace vakrel
