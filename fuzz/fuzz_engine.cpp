// The engine's whole calculation, the height search included, from its three inputs: the profile buffer, the station
// buffer and the conditions file, one after the other with the part separator between them; a fourth part, when there
// is one, is the name of a station buffer in a folder that does not exist, so that the refusal quotes it. Whether the
// inputs are refused or computed, the result file must keep its layout: lines of at most 76 columns, each ending in CR
// LF and holding no other CR, LF or Ctrl-Z (a line reader would see lines the engine never wrote, or the end of the
// file), and on every coded line a number in columns 66-75 that the report reads (finite, by the number syntax of the
// data files), with each point list holding at most 20 entries after its count.
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "hop_calculation.h"
#include "hop_heights.h"
#include "hop_inputs.h"
#include "number_format.h"
#include "rez_report.h"

namespace {

// An input handed to the engine's file reader as a file in memory, named by /proc/self/fd.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("vakrel-fuzz", MFD_CLOEXEC)) {
        FUZZ_CHECK(fd_ >= 0);
        FUZZ_CHECK(::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

constexpr std::size_t kWidth = 76;

// The file's lines, each taken up to its CR LF.
std::vector<std::string> LinesOf(const std::string& rez) {
    FUZZ_CHECK(rez.size() >= 2 && rez.compare(rez.size() - 2, 2, "\r\n") == 0);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < rez.size(); start = end + 2) {
        end = rez.find("\r\n", start);
        lines.push_back(rez.substr(start, end - start));
    }
    return lines;
}

void CheckResultFile(const std::string& rez) {
    int listCount = -1, listEntries = 0;
    for (const std::string& line : LinesOf(rez)) {
        if (line.size() > kWidth || line.find_first_of("\r\n\x1A") != std::string::npos)
            std::fprintf(stderr, "line out of shape: [%s]\n", line.c_str());
        FUZZ_CHECK(line.size() <= kWidth);
        FUZZ_CHECK(line.find_first_of("\r\n\x1A") == std::string::npos);
        const std::string code = line.substr(2 < line.size() ? 2 : line.size(), 3);
        if (code.find_first_of("0123456789") == std::string::npos) continue;
        std::string field = line.size() > 65 ? line.substr(65, 10) : std::string();
        for (char& c : field)
            if (c == ',') c = '.';
        const auto value = vakrel::ParseNumber(field);
        if (!value) std::fprintf(stderr, "coded line without a number: [%s]\n", line.c_str());
        FUZZ_CHECK(value.has_value());
        if (code == " 58" || code == " 59" || code == " 60") {
            FUZZ_CHECK(*value >= 0 && *value <= 20 && *value == std::floor(*value));
            listCount = static_cast<int>(*value);
            listEntries = 0;
        } else if (code == "102" || code == "103" || code == " 89" || code == " 91" || code == " 75" || code == " 81") {
            FUZZ_CHECK(listCount >= 0 && ++listEntries <= 2 * listCount);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = vakrel::fuzz::SplitParts(vakrel::fuzz::AsText(data, size), 4);
    const MemoryFile profile(parts[0]), station(parts[1]), conditions(parts[2]);
    // Under a folder that does not exist no name reaches a real file, whatever "../" it holds.
    const std::string stationPath =
        parts[3].empty() ? station.path() : "/nonexistent-vakrel-fuzz/" + std::string(parts[3]);
    std::string rez;
    try {
        const vakrel::HopInputs inputs = vakrel::ReadHopInputs(profile.path(), stationPath, conditions.path());
        const vakrel::HopResult hop = vakrel::CalculateHop(inputs);
        const std::array<vakrel::HeightSolution, 3> heights = vakrel::FindHeights(inputs.profile.terrain(), hop);
        rez = vakrel::BuildReport(inputs, hop, &heights).bytes();
    } catch (const vakrel::InputError& e) {
        rez = vakrel::BuildErrorReport(e.what()).bytes();
    }
    CheckResultFile(rez);
    return 0;
}
