#include "text_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "io_error.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

std::vector<std::string> ReadLines(std::string_view bytes, int count) {
    LineReader in(bytes);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(in.ReadLine());
    return lines;
}

TEST(LineReader, LineEndsAndFileEnd) {
    using L = std::vector<std::string>;
    EXPECT_EQ(ReadLines("a\r\nb\r\n", 3), (L{"a", "b", ""}));
    EXPECT_EQ(ReadLines("a\rb\r", 2), (L{"a", "b"}));        // CR alone ends a line
    EXPECT_EQ(ReadLines("a\nb\nc", 2), (L{"a\nb\nc", ""}));  // a bare LF is an ordinary byte
    EXPECT_EQ(ReadLines("a\r\n\nb", 2), (L{"a", "\nb"}));    // only one LF after CR is skipped
    EXPECT_EQ(ReadLines("a\r\nb\x1A"
                        "c\r\nd\r\n",
                        3),
              (L{"a", "b", ""}));  // Ctrl-Z ends the file
    EXPECT_EQ(ReadLines("\r\r\r", 4), (L{"", "", "", ""}));
    EXPECT_EQ(ReadLines("", 2), (L{"", ""}));
    const std::string longLine(1 << 20, 'x');
    EXPECT_EQ(ReadLines(longLine + "\r\nz", 2), (L{longLine, "z"}));  // no length limit
}

TEST(ReadFileBytes, FailuresCarryTheStandardMessage) {
    test::TempDir dir;
    dir.write("a.txt", "abc");
    EXPECT_EQ(ReadFileBytes(dir.file("a.txt")), "abc");

    auto messageOf = [](const std::string& path) {
        try {
            ReadFileBytes(path);
        } catch (const IoError& e) {
            return e.userMessage();
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf(dir.file("missing.idn")), "File not found.");
    EXPECT_EQ(messageOf(dir.file("nofolder/prf.idn")), "File not found.");
    EXPECT_EQ(messageOf(dir.path()), "File access denied.");  // a directory given as a file
    EXPECT_EQ(messageOf(dir.file(std::string(300, 'n'))), "Invalid filename.");
    EXPECT_EQ(messageOf(""), "File not found.");
}

// Only regular files of at most 16 MiB are read: a FIFO would hold the reader for ever, a
// device or a huge file would fill the memory.
TEST(ReadFileBytes, RefusesWhatIsNotADataFile) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.idn").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("zero.idn"));
    dir.write("limit.idn", std::string(kMaxDataFileBytes, 'x'));
    dir.write("large.idn", std::string(kMaxDataFileBytes + 1, 'x'));
    struct Row {
        const char* name;
        std::string message;
    };
    for (const Row& row :
         {Row{"fifo.idn", std::string(kNotAFileMessage) + "."}, Row{"zero.idn", std::string(kNotAFileMessage) + "."},
          Row{"large.idn", std::string(kTooLargeMessage) + "."}}) {
        try {
            ReadFileBytes(dir.file(row.name));
            ADD_FAILURE() << row.name << " was read";
        } catch (const IoError& e) {
            EXPECT_EQ(e.userMessage(), row.message) << row.name;
        }
    }
    EXPECT_EQ(ReadFileBytes(dir.file("limit.idn")).size(), kMaxDataFileBytes);
}

TEST(WriteFileAtomically, ReplacesWholeOrLeavesTheOldFile) {
    test::TempDir dir;
    dir.write("prf.idn", "old bytes");
    WriteFileAtomically(dir.file("prf.idn"), "new bytes");
    EXPECT_EQ(dir.read("prf.idn"), "new bytes");

    // The target a directory: refused, nothing left behind.
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_THROW(WriteFileAtomically(dir.file("sub"), "x"), IoError);
    // The folder missing.
    try {
        WriteFileAtomically(dir.file("nofolder/prf.idn"), "x");
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.userMessage(), "File not found.");
    }
    // No temporary file stays beside the target.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);
    EXPECT_EQ(dir.read("prf.idn"), "new bytes");
}

}  // namespace
}  // namespace vakrel
