// `cmake --install` of the build into a temporary prefix: the programs, the example set as the
// template of a new working folder, a valid menu entry with its icon, the manual pages, and one
// version shown by the installed program.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace vakrel {
namespace {

namespace fs = std::filesystem;

// Runs a shell command line; its exit status and what it printed on both channels.
struct ShellRun {
    int status;
    std::string output;
};
ShellRun Shell(const std::string& command) {
    ShellRun run{-1, {}};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), n);
    run.status = pclose(pipe);
    return run;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new test::TempDir;
        const ShellRun install = Shell(Quoted(VAKREL_CMAKE) + " --install " + Quoted(VAKREL_BUILD_DIR) + " --prefix " +
                                       Quoted(prefix_->path()));
        ASSERT_EQ(install.status, 0) << install.output;
    }
    static void TearDownTestSuite() { delete prefix_; }
    static std::string At(const std::string& relative) { return prefix_->path() + "/" + relative; }

    static test::TempDir* prefix_;
};
test::TempDir* Installed::prefix_ = nullptr;

TEST_F(Installed, EveryFileInItsPlace) {
    struct Expected {
        const char* path;
        bool executable;
    };
    const std::vector<Expected> files = {
        {"bin/vakrel_w", true},
        {"bin/vakrel.exe", true},
        {"share/applications/vakrel.desktop", false},
        {"share/icons/hicolor/scalable/apps/vakrel.svg", false},
        {"share/man/man1/vakrel_w.1", false},
        {"share/man/man1/vakrel.exe.1", false},
        {"share/vakrel/examples/prf.idn", false},
        {"share/vakrel/examples/ttx.idn", false},
        {"share/vakrel/examples/rrv.idn", false},
        {"share/vakrel/examples/prf.tip", false},
        {"share/vakrel/examples/rrv.tip", false},
        {"bin/vakrel-profile", true},
        {"share/man/man1/vakrel-profile.1", false},
    };
    for (const Expected& file : files) {
        SCOPED_TRACE(file.path);
        struct stat info {};
        ASSERT_EQ(stat(At(file.path).c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_GT(info.st_size, 0);
        EXPECT_EQ((info.st_mode & S_IXUSR) != 0, file.executable);
    }
}

TEST_F(Installed, ExampleSetIsTheBundledOneByteForByte) {
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn", "prf.tip", "rrv.tip"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(test::ReadSourceFile(At("share/vakrel/examples/") + name),
                  test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/" + name));
    }
}

TEST_F(Installed, MenuEntryIsValidAndRussian) {
    const std::string entry = At("share/applications/vakrel.desktop");
    const ShellRun validate = Shell("desktop-file-validate " + Quoted(entry));
    EXPECT_EQ(validate.status, 0) << validate.output;
    EXPECT_EQ(validate.output, "");
    const std::string text = test::ReadSourceFile(entry);
    EXPECT_NE(text.find("\nExec=vakrel_w"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=vakrel\n"), std::string::npos);
    EXPECT_NE(text.find("\nName[ru]=VAKREL — расчет интервалов РРЛ(ТРЛ)\n"), std::string::npos);
    EXPECT_NE(text.find("\nComment[ru]="), std::string::npos);
    EXPECT_NE(test::ReadSourceFile(At("share/icons/hicolor/scalable/apps/vakrel.svg")).find("<svg"), std::string::npos);
}

TEST_F(Installed, OneVersionEverywhere) {
    const std::string version = VAKREL_VERSION;
    const ShellRun shown = Shell(Quoted(At("bin/vakrel_w")) + " --version");
    EXPECT_EQ(shown.status, 0) << shown.output;
    EXPECT_EQ(shown.output, "vakrel_w " + version + "\n");
    for (const char* page : {"share/man/man1/vakrel_w.1", "share/man/man1/vakrel.exe.1"}) {
        SCOPED_TRACE(page);
        EXPECT_NE(test::ReadSourceFile(At(page)).find("\"VAKREL " + version + "\""), std::string::npos);
    }
}

}  // namespace
}  // namespace vakrel
