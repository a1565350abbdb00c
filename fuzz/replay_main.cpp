// main() of a fuzz target built without libFuzzer: runs the target once on every file named on
// the command line and on every file of a folder named there, in name order. A broken property
// aborts here as it does under libFuzzer. The replay also fails when a name cannot be read or
// there was nothing to run on, so that a missing seed folder does not pass for a clean run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsNamedBy(const fs::path& name) {
    if (!fs::is_directory(name)) return {name};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(name))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The input goes in a buffer of exactly its size, as libFuzzer hands it over, so that a read
// past its end is caught by AddressSanitizer in the sanitizer build.
bool Replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Named before the run: a broken property ends the process right there.
    std::fprintf(stderr, "%s (%zu bytes)\n", file.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    bool allRead = true;
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : InputsNamedBy(argv[i])) {
            if (!Replay(file)) {
                allRead = false;
                continue;
            }
            ++replayed;
        }
    }
    std::fprintf(stderr, "%zu inputs replayed\n", replayed);
    return allRead && replayed > 0 ? 0 : 1;
}
