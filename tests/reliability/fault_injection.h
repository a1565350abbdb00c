#pragma once
// Real faults for the writer tests: a process killed while it writes, a file size limit that
// makes write() fail as a full disk does, and a small tmpfs filled to the last byte.

#include <sys/resource.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vakrel::test {

// A file's bytes, written and read without the program's own file code.
void WriteText(const std::string& path, std::string_view bytes);
std::string ReadText(const std::string& path);

// Every entry of a folder: a file as its bytes, a folder as "<folder>" plus its own entries
// (prefixed "name/"), so that two snapshots compare equal only when nothing changed.
std::map<std::string, std::string> Snapshot(const std::string& folder);

// The entries that differ between two snapshots (changed, added or gone), by name.
std::vector<std::string> Changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after);

// The names of the temporaries a writer keeps beside its target while it writes.
std::vector<std::string> Temporaries(const std::string& folder);

// Runs `work` in a child process whose files may not grow past `maxFileBytes` (a write past the
// limit fails with EFBIG; SIGXFSZ is ignored) and returns what `work` returned there.
std::string RunWithFileSizeLimit(const std::function<std::string()>& work, rlim_t maxFileBytes);

// Runs `work` in a child process, waits until the `nth` temporary with bytes in it stands in
// `folder` (a writer of several files makes one each), stops the child there and kills it.
// False when the child finished before it was caught.
bool KillWhileWritingTemporary(const std::string& folder, const std::function<void()>& work, std::size_t nth = 1);

// A tmpfs of a few pages mounted over an empty folder; only root may mount, so available() is
// false elsewhere. Fill() takes the last free byte.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const std::string& folder);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;
    bool available() const { return mounted_; }
    void Fill() const;

private:
    std::string folder_;
    bool mounted_ = false;
};

// Makes `folder` the current directory for the life of the object. A folder that does not exist
// is made and removed again under the process: a working folder deleted while the program runs.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::string previous_;
};

}  // namespace vakrel::test
