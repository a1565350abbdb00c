// vakrel-profile: a terrain profile file between two WGS84 points from elevation rasters.
// Exit 0 when the file is written, 1 when the profile is refused, 2 for a wrong command line.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>

#include "elevation_profile.h"
#include "io_error.h"
#include "profile_arguments.h"
#include "terrain_refusal.h"

namespace {

// Shown on a terminal once the work has taken a noticeable time, so that short paths print
// nothing; with --progress, "N%" lines on standard output for a program that runs this one.
class ProgressLine {
public:
    explicit ProgressLine(bool lines) : lines_(lines), terminal_(::isatty(STDERR_FILENO)) {}
    ~ProgressLine() {
        if (shown_) std::fprintf(stderr, "\r%40s\r", "");
    }
    void operator()(int done, int total) {
        const int percent = done * 100 / total;
        if (percent == lastPercent_) return;
        lastPercent_ = percent;
        if (lines_) {
            std::printf("%d%%\n", percent);
            std::fflush(stdout);
        }
        if (terminal_ && std::chrono::steady_clock::now() - start_ > std::chrono::milliseconds(300)) {
            std::fprintf(stderr, "\rпрофиль: точка %d из %d, %d %%", done, total, percent);
            shown_ = true;
        }
    }

private:
    bool lines_;
    bool terminal_;
    bool shown_ = false;
    int lastPercent_ = -1;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

int Refuse(const std::string& message, int exitCode) {
    std::cerr << "vakrel-profile: " << message << "\n";
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vakrel;
    ProfileArguments parsed;
    try {
        parsed = ParseProfileArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const TerrainRefusal& refusal) {
        return Refuse(refusal.what(), 2);
    }
    if (parsed.help) {
        std::cout << ProfileUsage();
        return 0;
    }
    if (parsed.version) {
        std::cout << "vakrel-profile " << VAKREL_VERSION << "\n";
        return 0;
    }
    try {
        BuiltProfile built;
        {
            ProgressLine progress(parsed.progressLines);
            built = BuildProfile(parsed.request, std::ref(progress));
        }
        WriteProfileFile(parsed.output, built.data, built.nameWin);
    } catch (const TerrainRefusal& refusal) {
        return Refuse(refusal.what(), 1);
    } catch (const IoError& error) {
        return Refuse(parsed.output + ": " + error.userMessage(), 1);
    }
    return 0;
}
