// vakrel.exe --heights on the example sets: every height it writes meets the clearance criterion
// (code 221) and the required reliability (code 48) when the engine runs again on it, 0.1 m less on
// the raised antennas does not, and a way that needs more than the spin controls' range says why.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine_run.h"
#include "station_file.h"

namespace vakrel {
namespace {

// Station file lines of the Tx power (characteristic 1), antenna 1's height (5), antenna 2's (10), the
// required reliability (12) and that of the preceding hops (13).
constexpr int kTxPowerLine = 14, kTxHeightLine = 18, kRxHeightLine = 23, kRequiredLine = 25, kPrecedingLine = 26;

// Whether the engine on `ttx` with the antennas at `tx` and `rx` meets what the search asks for.
bool MeetsAt(const test::TempDir& dir, const std::string& ttx, double tx, double rx, bool reliabilityAsked) {
    dir.write("buf.ttx", ReplaceParameter(ReplaceParameter(ttx, kTxHeightLine, tx), kRxHeightLine, rx));
    EXPECT_EQ(RunEngine(dir), 0);
    const std::map<int, double> codes = Codes(ReadRez(dir));
    return codes.at(221) == 1 && (!reliabilityAsked || codes.at(48) == 1);
}

TEST(EngineHeights, EachHeightWrittenIsTheLowestThatMeetsTheCriteria) {
    // edits: station lines replaced; why: for each way (both, antenna 1, antenna 2) what fails at the
    // top of its range, nullptr where the way has a solution.
    // The bundled hop 20 dB weaker with no preceding hop: its reliability asks for more than the
    // clearance, and P.530's fading falls with the path's inclination, which raising both keeps.
    // The preceding hops (99.995 %) leave no height for 99.999 %. The ridge asks 95 m of both
    // antennas, antenna 1 standing at 20 m; troposcatter over 220 km, some 930 m. Antenna 1 at 120 m
    // stands above its range already.
    constexpr const char* kClear = "просвет по P.530 не обеспечен и при высотах";
    constexpr const char* kReliable = "требование надежности не выполнено и при высотах";
    constexpr const char* kAbove = "антенна в buf.ttx уже выше предела";
    struct Row {
        const char* set;
        std::vector<std::pair<int, double>> edits;
        std::array<const char*, 3> why;
    };
    const Row rows[] = {
        {"", {}, {}},
        {"", {{kRequiredLine, 0}}, {}},
        {"", {{kTxPowerLine, -20}, {kPrecedingLine, 0}, {kRequiredLine, 99.99}}, {kReliable}},
        {"", {{kTxPowerLine, -20}, {kPrecedingLine, 0}, {kRequiredLine, 99.995}}, {kReliable, kReliable}},
        {"", {{kRequiredLine, 99.999}}, {kReliable, kReliable, kReliable}},
        {"", {{kTxHeightLine, 120}}, {kAbove, kAbove, kAbove}},
        {"/sets/reflection", {}, {}},
        {"/sets/closed", {}, {kClear, kClear}},
        {"/sets/troposcatter", {}, {kClear, kClear, kClear}}};
    const char* ways[] = {"Подъем обеих антенн", "Подъем антенны 1", "Подъем антенны 2"};
    for (const Row& r : rows) {
        const std::string what = std::string(r.set) + " row " + std::to_string(&r - rows);
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES + std::string(r.set));
        std::string ttx = dir.read("buf.ttx");
        for (const auto& [line, value] : r.edits) ttx = ReplaceParameter(ttx, line, value);
        dir.write("buf.ttx", ttx);
        const StationFile station = ParseStationFile(ttx);
        const double fileTx = station.params[4], fileRx = station.params[9];
        const bool reliabilityAsked = station.params[11] > 0;
        ASSERT_EQ(RunEngine(dir, "buf.prf buf.ttx --heights --json out.json"), 0) << what;
        const std::vector<RezLine> lines = ReadRez(dir);
        const std::map<int, double> codes = Codes(lines);
        const std::string json = dir.read("out.json");
        for (int way = 0; way < 3; ++way) {
            const int code = 232 + 2 * way;
            const bool written = codes.count(code) > 0;
            EXPECT_EQ(written, r.why[way] == nullptr) << what << " code " << code;
            EXPECT_EQ(codes.count(code + 1) > 0, written) << what << " code " << code + 1;
            EXPECT_EQ(ReportSays(lines, std::string(ways[way]) + ": нет решения в пределах"), !written) << what;
            if (!written)
                EXPECT_TRUE(ReportSays(lines, std::string(ways[way]) + ": нет решения в пределах - " + r.why[way]))
                    << what << " way " << way;
            EXPECT_EQ(json.find("{\"code\": " + std::to_string(code) + ",") != std::string::npos, written) << what;
            if (!written) continue;
            const double tx = codes.at(code), rx = codes.at(code + 1);
            // The example files' heights lie on the 0.1 m grid; each way moves only the antennas it raises.
            if (way == 0) EXPECT_NEAR(tx - fileTx, rx - fileRx, 1e-9) << what;
            if (way == 1) EXPECT_EQ(rx, fileRx) << what;
            if (way == 2) EXPECT_EQ(tx, fileTx) << what;
            EXPECT_TRUE(tx >= fileTx && tx <= 100.0 && rx >= fileRx && rx <= 1000.0) << what << " way " << way;
            EXPECT_TRUE(MeetsAt(dir, ttx, tx, rx, reliabilityAsked)) << what << " way " << way;
            const double lessTx = tx > fileTx ? tx - 0.1 : tx, lessRx = rx > fileRx ? rx - 0.1 : rx;
            if (lessTx != tx || lessRx != rx)
                EXPECT_FALSE(MeetsAt(dir, ttx, lessTx, lessRx, reliabilityAsked)) << what << " way " << way;
        }
    }
}

}  // namespace
}  // namespace vakrel
