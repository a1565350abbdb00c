// Every writer under every fault: the target folder missing, the target a folder, the disk full
// (a file size limit everywhere, a filled tmpfs where the machine lets root mount one), and the
// process killed between its temporary file and the rename. Each time the old files are
// byte-identical afterwards and the user is shown the standard message.
#include <gtest/gtest.h>

#include <filesystem>

#include "fault_injection.h"
#include "temp_dir.h"
#include "writers.h"

namespace vakrel::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> None;

std::string OldBytes(const std::string& target) { return "old " + target + ", kept by every fault\r\n"; }

// The message a writer shows for a standard failure of its file `target` in `folder`.
std::string Expected(const Writer& w, const std::string& standard, const std::string& folder) {
    return w.namedMessage ? "Cannot create file " + folder + "/" + w.targets.back() + "." : standard;
}

// A folder with the writer's inputs and an old version of every target.
void Prepare(const Writer& w, const std::string& folder) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : w.inputs) WriteText(folder + "/" + name, bytes);
    for (const auto& target : w.targets) WriteText(folder + "/" + target, OldBytes(target));
}

TEST(WriterFaults, TheTargetFolderMissing) {
    TempDir dir;
    for (const Writer& w : AllWriters(false)) {
        SCOPED_TRACE(w.name);
        const std::string folder = dir.file("missing");
        EXPECT_EQ(w.write(folder), Expected(w, "File not found.", folder));
        EXPECT_FALSE(fs::exists(folder));
    }
}

TEST(WriterFaults, TheTargetAFolder) {
    TempDir dir;
    for (const Writer& w : AllWriters(false)) {
        SCOPED_TRACE(w.name);
        const std::string folder = dir.file(w.targets.back() + "-" + std::to_string(w.targets.size()));
        Prepare(w, folder);
        // The last target is a folder with a file in it: the earlier ones are written first.
        const std::string last = folder + "/" + w.targets.back();
        fs::remove(last);
        fs::create_directory(last);
        WriteText(last + "/inside.txt", "stays");
        const auto before = Snapshot(folder);

        EXPECT_EQ(w.write(folder), Expected(w, "File access denied.", folder));
        auto after = Snapshot(folder);
        if (!w.together) {
            // Each target on its own: the earlier ones may already be new, the folder is untouched.
            for (std::size_t i = 0; i + 1 < w.targets.size(); ++i) after[w.targets[i]] = before.at(w.targets[i]);
        }
        EXPECT_EQ(Changes(before, after), None);
    }
}

TEST(WriterFaults, TheDiskFullAtTheFileSizeLimit) {
    TempDir dir;
    for (const Writer& w : AllWriters(false)) {
        SCOPED_TRACE(w.name);
        const std::string folder = dir.file(w.targets.front() + "-" + std::to_string(w.targets.size()));
        Prepare(w, folder);
        const auto before = Snapshot(folder);
        const std::string message = RunWithFileSizeLimit([&] { return w.write(folder); }, 64);
        EXPECT_EQ(message, Expected(w, "Disk full.", folder));
        EXPECT_EQ(Changes(before, Snapshot(folder)), None);  // old bytes, and no temporary left
    }
}

TEST(WriterFaults, TheDiskFullOnAFilledTmpfs) {
    TempDir dir;
    for (const Writer& w : AllWriters(false)) {
        SCOPED_TRACE(w.name);
        const std::string folder = dir.file(w.targets.front() + "-" + std::to_string(w.targets.size()));
        SmallTmpfs device(folder);
        if (!device.available()) GTEST_SKIP() << "mounting a tmpfs needs root";
        Prepare(w, folder);
        device.Fill();
        const auto before = Snapshot(folder);
        EXPECT_EQ(w.write(folder), Expected(w, "Disk full.", folder));
        EXPECT_EQ(Changes(before, Snapshot(folder)), None);
    }
}

TEST(WriterFaults, KilledBetweenTheTemporaryAndTheRename) {
    TempDir dir;
    for (const Writer& w : AllWriters(true)) {
        if (!w.catchable) continue;
        SCOPED_TRACE(w.name);
        const std::string folder = dir.file(w.targets.front() + "-" + std::to_string(w.targets.size()));
        Prepare(w, folder);
        const auto before = Snapshot(folder);

        // Stopped while it writes its last temporary, after every earlier one.
        bool caught = false;
        for (int attempt = 0; attempt < 5 && !caught; ++attempt)
            caught = KillWhileWritingTemporary(
                folder, [&] { w.write(folder); }, w.targets.size());
        ASSERT_TRUE(caught) << "the writer always finished before it could be stopped";

        auto killed = Snapshot(folder);
        const auto stale = Temporaries(folder);
        EXPECT_FALSE(stale.empty());
        for (const auto& name : stale) killed.erase(name);

        // The temporary a killed writer left behind does not stand in the way of the next write.
        EXPECT_EQ(w.write(folder), "");
        const auto written = Snapshot(folder);
        for (const auto& target : w.targets) EXPECT_NE(written.at(target), OldBytes(target));
        EXPECT_EQ(Temporaries(folder), stale);

        // Killed, every target is old; a writer of separate files may have finished the earlier ones.
        if (!w.together)
            for (const auto& target : w.targets)
                if (killed.at(target) == written.at(target)) killed[target] = before.at(target);
        EXPECT_EQ(Changes(before, killed), None);
    }
}

}  // namespace
}  // namespace vakrel::test
