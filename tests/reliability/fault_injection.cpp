#include "fault_injection.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace vakrel::test {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryPrefix = ".vakrel-";

void SnapshotInto(const fs::path& folder, const std::string& prefix, std::map<std::string, std::string>& out) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = prefix + entry.path().filename().string();
        if (entry.is_directory()) {
            out[name] = "<folder>";
            SnapshotInto(entry.path(), name + "/", out);
        } else {
            out[name] = ReadText(entry.path().string());
        }
    }
}

// Adds to `seen` the temporaries of `folder` that hold at least one byte.
void NoteTemporariesWithBytes(const std::string& folder, std::set<std::string>& seen) {
    for (const auto& name : Temporaries(folder)) {
        struct stat st {};
        if (::stat((folder + "/" + name).c_str(), &st) == 0 && st.st_size > 0) seen.insert(name);
    }
}

}  // namespace

void WriteText(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> out;
    SnapshotInto(folder, "", out);
    return out;
}

std::vector<std::string> Changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : before)
        if (!after.contains(name) || after.at(name) != bytes) names.push_back(name);
    for (const auto& [name, bytes] : after)
        if (!before.contains(name)) names.push_back(name);
    return names;
}

std::vector<std::string> Temporaries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(kTemporaryPrefix)) names.push_back(name);
    }
    return names;
}

std::string RunWithFileSizeLimit(const std::function<std::string()>& work, rlim_t maxFileBytes) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork");
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{maxFileBytes, maxFileBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string result;
        try {
            result = work();
        } catch (const std::exception& e) {
            result = std::string("unexpected exception: ") + e.what();
        }
        // The pipe is no file: the limit does not apply to it.
        const char* p = result.data();
        std::size_t left = result.size();
        while (left > 0) {
            const ssize_t n = ::write(pipeEnds[1], p, left);
            if (n <= 0) break;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) result += " (the child process did not end normally)";
    return result;
}

bool KillWhileWritingTemporary(const std::string& folder, const std::function<void()>& work, std::size_t nth) {
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork");
    if (child == 0) {
        try {
            work();
        } catch (...) {}
        ::_exit(0);
    }
    bool caught = false;
    std::set<std::string> seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return false;  // finished first
        NoteTemporariesWithBytes(folder, seen);
        if (seen.size() >= nth) {
            ::kill(child, SIGSTOP);
            ::waitpid(child, &status, WUNTRACED);
            // Still there once stopped: the rename has not happened.
            caught = !Temporaries(folder).empty();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return caught;
}

SmallTmpfs::SmallTmpfs(const std::string& folder) : folder_(folder) {
    fs::create_directories(folder);
    mounted_ = ::geteuid() == 0 && ::mount("vakrel-test", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
}

SmallTmpfs::~SmallTmpfs() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void SmallTmpfs::Fill() const {
    const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create the filler");
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {}
    while (::write(fd, block.data(), 1) > 0) {}
    ::close(fd);
}

CurrentFolder::CurrentFolder(const std::string& folder) : previous_(fs::current_path().string()) {
    if (fs::exists(folder)) {
        fs::current_path(folder);
    } else {
        fs::create_directories(folder);
        fs::current_path(folder);
        fs::remove(folder);
    }
}

CurrentFolder::~CurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

}  // namespace vakrel::test
