// The built vakrel.exe run as the windowed program runs it: in a folder holding buf.prf, buf.ttx and
// rrv.idn, writing vakrel.rez there.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine_run.h"
#include "station_file.h"

namespace vakrel {
namespace {

// The counts and entries of lists A, B and C, as the windowed program pairs them.
void ExpectListsWellFormed(const std::vector<RezLine>& lines) {
    const std::map<int, std::pair<int, int>> lists = {{58, {102, 103}}, {59, {89, 91}}, {60, {75, 81}}};
    for (const auto& [countCode, codes] : lists) {
        std::size_t i = 0;
        while (i < lines.size() && lines[i].code != countCode) ++i;
        ASSERT_LT(i, lines.size()) << "no count line " << countCode;
        const int count = static_cast<int>(lines[i].value);
        for (int k = 0; k < count; ++k) EXPECT_EQ(lines[i + 1 + k].code, codes.first) << countCode;
        for (int k = 0; k < count; ++k) EXPECT_EQ(lines[i + 1 + count + k].code, codes.second) << countCode;
    }
}

const std::vector<int> kEveryCode = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  20,  21,  22, 23,
                                     24,  25,  30,  31,  32,  40,  41,  42,  43,  44,  45,  46,  47,  48,  58,  59, 60,
                                     216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 231};

TEST(EngineProcess, ExampleHopWritesEveryCodedLine) {
    test::TempDir dir;
    PutSet(dir, VAKREL_EXAMPLES);
    ASSERT_EQ(RunEngine(dir), 0);
    const std::vector<RezLine> lines = ReadRez(dir);
    const std::map<int, double> codes = Codes(lines);
    for (int code : kEveryCode) EXPECT_TRUE(codes.count(code)) << "code " << code;
    EXPECT_DOUBLE_EQ(codes.at(1), 42);
    EXPECT_DOUBLE_EQ(codes.at(2), 8000);
    // The budget adds up on the page as it does in the calculation.
    EXPECT_NEAR(codes.at(30), 0 + 43 - 2.5 + 43 - 2.5 - codes.at(25), 0.002);
    EXPECT_NEAR(codes.at(32), codes.at(30) - codes.at(31), 0.002);
    EXPECT_NEAR(codes.at(45), 100 - codes.at(44), 0.002);
    EXPECT_EQ(codes.at(48), codes.at(47) >= codes.at(46) ? 1 : 0);
    ExpectListsWellFormed(lines);
}

TEST(EngineProcess, ExampleSetsShowEachMechanism) {
    struct Row {
        const char* set;
        int pathClass;
        int propagation;
        int listB;
        int listC;
    };
    for (const Row& r : {Row{"reflection", 1, 2, 1, 0}, Row{"closed", 3, 3, 0, 1}, Row{"troposcatter", 3, 4, 0, 1}}) {
        test::TempDir dir;
        PutSet(dir, std::string(VAKREL_EXAMPLES) + "/sets/" + r.set);
        ASSERT_EQ(RunEngine(dir), 0) << r.set;
        const std::vector<RezLine> lines = ReadRez(dir);
        const std::map<int, double> codes = Codes(lines);
        EXPECT_EQ(codes.at(12), r.pathClass) << r.set;
        EXPECT_EQ(codes.at(13), r.propagation) << r.set;
        EXPECT_EQ(codes.at(59), r.listB) << r.set;
        EXPECT_EQ(codes.at(60), r.listC) << r.set;
        if (r.propagation == 2) {
            EXPECT_NE(codes.at(24), 0) << r.set;
        }
        if (r.propagation == 3) {
            EXPECT_GT(codes.at(22), 6) << r.set;
        }
        if (r.propagation == 4) {
            EXPECT_GT(codes.at(23), codes.at(20)) << r.set;
            EXPECT_GT(codes.at(43), 1) << r.set;  // quadruple diversity
        }
        ExpectListsWellFormed(lines);
    }
}

// The interference factor of the open hop over the lake is shown for both types; its line says
// whether the loss counts it (type 2, code 24 the same) or not (type 1, code 24 is 0).
TEST(EngineProcess, TheInterferenceFactorLineSaysWhetherItIsCounted) {
    struct Row {
        double type;
        const char* says;
        bool counted;
    };
    for (const Row& r : {Row{2, "(учтен, код 24)", true}, Row{1, "(не учтен: тип РРВ не 2)", false}}) {
        test::TempDir dir;
        PutSet(dir, std::string(VAKREL_EXAMPLES) + "/sets/reflection");
        dir.write("rrv.idn", ReplaceParameter(dir.read("rrv.idn"), 15, r.type));
        ASSERT_EQ(RunEngine(dir), 0) << r.type;
        const std::vector<RezLine> lines = ReadRez(dir);
        const auto line208 = std::find_if(lines.begin(), lines.end(), [](const RezLine& l) { return l.code == 208; });
        ASSERT_NE(line208, lines.end());
        EXPECT_NE(line208->text.find(r.says), std::string::npos) << line208->text;
        EXPECT_NE(line208->value, 0) << r.type;
        EXPECT_EQ(Codes(lines).at(24), r.counted ? line208->value : 0) << r.type;
    }
}

// Equal within what the printed values keep: four significant digits.
void ExpectPrintedNear(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, 1e-3 * std::fabs(expected) + 1e-9) << what;
}

// The relations between the codes of the minimum-k clearance, the time bases and the reliability.
void ExpectClearanceAndTimeBasesAgree(const std::map<int, double>& c, const std::string& set) {
    EXPECT_LT(c.at(216), c.at(5)) << set << ": k_min below the median k";
    EXPECT_GE(c.at(220), c.at(22) - 0.002) << set << ": the loss at k_min at least the median one";
    EXPECT_LE(c.at(223), c.at(32) + 0.002) << set;
    EXPECT_EQ(c.at(222) == 0, c.at(221) == 1) << set << ": no rise exactly when the criterion holds";
    const double multipathMonth = c.at(40) / c.at(43), multipathYear = c.at(224) / c.at(43);
    ExpectPrintedNear(c.at(226), std::min(100.0, multipathMonth + c.at(225)), set + ": 226 = 40/43 + 225");
    ExpectPrintedNear(c.at(227), std::min(100.0, multipathYear + c.at(42)), set + ": 227 = 224/43 + 42");
    ExpectPrintedNear(c.at(228), c.at(226) / 100 * 30 * 86400, set + ": 228 of a 30-day month");
    ExpectPrintedNear(c.at(229), c.at(227) / 100 * 365.25 * 1440, set + ": 229 of a 365.25-day year");
    EXPECT_EQ(c.at(230), c.at(42)) << set;
    ExpectPrintedNear(c.at(231), multipathMonth, set + ": 231 = 40/43");
    EXPECT_EQ(c.at(44), c.at(227)) << set << ": 44 is the average year";
    EXPECT_NEAR(c.at(45), 100 - c.at(44), 0.1 * c.at(44) + 1e-7) << set << ": cut to two digits of the outage";
    if (c.at(44) > 0) EXPECT_LT(c.at(45), 100) << set;
    EXPECT_EQ(c.at(48), c.at(47) >= c.at(46) ? 1 : 0) << set;
    EXPECT_LE(c.at(224), c.at(40)) << set << ": the average year holds less than the worst month";
    EXPECT_GE(c.at(225), c.at(42)) << set;
}

TEST(EngineProcess, EveryExampleSetWritesEveryCodeAndTheirRelationsHold) {
    std::map<double, double> keByLength;  // k_e of eq (4) where the median k is not below it
    for (const std::string set : {"", "/sets/reflection", "/sets/closed", "/sets/troposcatter", "rain"}) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES + (set == "rain" ? "" : set));
        if (set == "rain")  // the bundled hop under heavy rain: 8 mm/h while it rains, 10 % of the time
            dir.write("rrv.idn", ReplaceParameter(ReplaceParameter(dir.read("rrv.idn"), 28, 8.0), 29, 10.0));
        ASSERT_EQ(RunEngine(dir), 0) << set;
        const std::map<int, double> codes = Codes(ReadRez(dir));
        for (int code : kEveryCode) ASSERT_TRUE(codes.count(code)) << set << " code " << code;
        ExpectClearanceAndTimeBasesAgree(codes, set);
        if (codes.at(216) < codes.at(5)) keByLength[codes.at(1)] = codes.at(216);
        if (set == "rain") {
            ASSERT_GT(codes.at(42), 0.001);
            ExpectPrintedNear(codes.at(225), 2.85 * std::pow(codes.at(42), 0.87), "P.841: pw = 2.85 p^0.87");
        }
    }
    ASSERT_GE(keByLength.size(), 3u);
    for (auto shorter = keByLength.begin(), longer = std::next(shorter); longer != keByLength.end();
         ++shorter, ++longer)
        EXPECT_LT(shorter->second, longer->second) << shorter->first << " km against " << longer->first << " km";
}

// A line-of-sight hop with more than two branches counts the two-branch improvement of P.530 and
// says so; the bundled hop with 20 dBW more has a margin deep enough for the improvement to show.
TEST(EngineProcess, ThreeBranchesOfALineOfSightHopClaimNoMoreThanTwo) {
    std::map<int, std::map<int, double>> byOrder;
    for (int order : {2, 3}) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES);
        dir.write("buf.ttx", ReplaceParameter(ReplaceParameter(dir.read("buf.ttx"), 14, 20.0), 28, order));
        ASSERT_EQ(RunEngine(dir), 0) << order;
        const std::vector<RezLine> lines = ReadRez(dir);
        byOrder[order] = Codes(lines);
        EXPECT_EQ(ReportSays(lines, "P.530 дает выигрыш только сдвоенного приема"), order == 3) << order;
    }
    EXPECT_GT(byOrder[2].at(43), 1);
    for (int code : {43, 44, 231}) EXPECT_EQ(byOrder[3].at(code), byOrder[2].at(code)) << code;
}

// Both antennas raised by code 222 meet the criterion; 0.2 m less does not.
TEST(EngineProcess, TheCommonRiseItAsksForMeetsTheClearanceCriterion) {
    for (const std::string set : {"", "/sets/closed"}) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES + set);
        ASSERT_EQ(RunEngine(dir), 0);
        const std::map<int, double> before = Codes(ReadRez(dir));
        ASSERT_EQ(before.at(221), 0) << set;
        ASSERT_GT(before.at(222), 0.2) << set;
        const std::string ttx = dir.read("buf.ttx");
        const StationFile station = LoadStationFile(dir.file("buf.ttx"));
        for (const auto& [less, met] : {std::pair{0.0, 1.0}, std::pair{0.2, 0.0}}) {
            const double rise = before.at(222) - less;
            // Lines 18 and 23: the heights of antenna 1 and antenna 2 (characteristics 5 and 10).
            dir.write("buf.ttx", ReplaceParameter(ReplaceParameter(ttx, 18, station.params[4] + rise), 23,
                                                  station.params[9] + rise));
            ASSERT_EQ(RunEngine(dir), 0);
            const std::map<int, double> after = Codes(ReadRez(dir));
            EXPECT_NEAR(after.at(6), before.at(6) + rise, 0.002) << set;
            EXPECT_EQ(after.at(221), met) << set << " rise " << rise;
            if (met == 1) EXPECT_EQ(after.at(222), 0) << set;
        }
    }
}

// The answer first: the verdict on the clearance and on the reliability right after the title, the
// same words that close their sections further down.
TEST(EngineProcess, TheVerdictComesRightAfterTheTitle) {
    test::TempDir dir;
    PutSet(dir, VAKREL_EXAMPLES);
    ASSERT_EQ(RunEngine(dir), 0);
    const std::vector<RezLine> lines = ReadRez(dir);
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[2].text, "  ИТОГ");
    for (const auto& [line, verdict] : {std::pair{3, "просвет по P.530 НЕ обеспечен"}, std::pair{4, "требование "}}) {
        EXPECT_EQ(lines[line].text.rfind(std::string("    - ") + verdict, 0), 0u) << lines[line].text;
        EXPECT_TRUE(ReportSays(lines, "ВЫВОД: " + lines[line].text.substr(6))) << lines[line].text;
    }
}

// The coded lines of vakrel.rez and the values of the JSON twin, one for one.
TEST(EngineProcess, JsonHoldsEveryCodedValueOfTheReport) {
    test::TempDir dir;
    PutSet(dir, VAKREL_EXAMPLES);
    ASSERT_EQ(RunEngine(dir, "buf.prf buf.ttx --json out.json"), 0);
    std::vector<std::pair<int, double>> rez;
    for (const RezLine& l : ReadRez(dir))
        if (l.code >= 0) rez.emplace_back(l.code, l.value);
    const std::string json = dir.read("out.json");
    std::vector<std::pair<int, double>> values;
    for (std::size_t at = json.find("{\"code\": "); at != std::string::npos; at = json.find("{\"code\": ", at + 1)) {
        const std::size_t value = json.find("\"value\": ", at);
        values.emplace_back(std::stoi(json.substr(at + 9)), std::stod(json.substr(value + 9)));
    }
    ASSERT_EQ(values.size(), rez.size());
    for (std::size_t i = 0; i < rez.size(); ++i) {
        EXPECT_EQ(values[i].first, rez[i].first) << i;
        ExpectPrintedNear(rez[i].second, values[i].second, "code " + std::to_string(rez[i].first));
    }
    EXPECT_NE(json.find("\"status\": \"calculated\""), std::string::npos);

    std::remove(dir.file("buf.prf").c_str());
    EXPECT_EQ(RunEngine(dir, "buf.prf buf.ttx --json out.json"), 1);
    EXPECT_NE(dir.read("out.json").find("\"error\": \"файл buf.prf: File not found.\""), std::string::npos);
}

std::string Output(const std::string& arguments, int& status) {
    FILE* pipe = popen(("'" + kEngine + "' " + arguments + " 2>&1").c_str(), "r");
    std::string output;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    status = pipe ? WEXITSTATUS(pclose(pipe)) : -1;
    return output;
}

TEST(EngineProcess, HelpVersionAndWrongArguments) {
    struct Row {
        const char* arguments;
        int status;
        const char* says;
    };
    for (const Row& r : {Row{"--help", 0, "usage: vakrel.exe buf.prf buf.ttx [--heights] [--json FILE]"},
                         Row{"--version", 0, "vakrel.exe " VAKREL_VERSION "\n"}, Row{"buf.prf", 2, "usage:"},
                         Row{"a b --jsn x", 2, "usage:"}, Row{"a b --heights --heights", 2, "usage:"},
                         Row{"a b --json", 2, "usage:"}}) {
        int status = 0;
        EXPECT_NE(Output(r.arguments, status).find(r.says), std::string::npos) << r.arguments;
        EXPECT_EQ(status, r.status) << r.arguments;
    }
}

TEST(EngineProcess, DoubtfulInputsAreNamedWithWhatWasTaken) {
    const std::string rrv = test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/rrv.idn");
    struct Row {
        int line;
        const char* value;
        const char* says;
    };
    for (const Row& r :
         {Row{15, "    7.000", "Внимание: тип РРВ (условие 1) = 7 вне 0..5: взят 0, выбор по профилю."},
          Row{21, "   abc   ", "Внимание: rrv.idn, строка 21 (климатический фактор): \"abc\" не число, взято 0."},
          Row{22, "    0.000", "коэффициент приземного преломления (условие 8) = 0 вне N0 > 0: взято 315"},
          Row{19, "    9.000", "тип неровностей ЕПР (условие 5) = 9 вне 0..3"},
          // the bundled hop's own rain: its margin lies beyond every attenuation of the law
          Row{28, "    2.000", "перерыв из-за дождя 0 % вне 0.001..1 % закона (34) P.530-19"}}) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES);
        dir.write("rrv.idn", ReplaceParameter(rrv, r.line, r.value));
        ASSERT_EQ(RunEngine(dir, "buf.prf buf.ttx --json out.json"), 0) << r.line;
        EXPECT_TRUE(ReportSays(ReadRez(dir), r.says)) << r.says;
        EXPECT_NE(dir.read("out.json").find(std::string(r.says).substr(0, 20)), std::string::npos) << r.line;
    }
    test::TempDir clean;  // the bundled hop under heavy rain, whose outage lies within the law's range
    PutSet(clean, VAKREL_EXAMPLES);
    clean.write("rrv.idn", ReplaceParameter(ReplaceParameter(rrv, 28, 8.0), 29, 10.0));
    ASSERT_EQ(RunEngine(clean), 0);
    EXPECT_FALSE(ReportSays(ReadRez(clean), "Внимание"));
}

// The engine reads the conditions as the window's loading does: region 99 takes the file's
// coefficient 1.333 (8491.21 km) whatever the gradient; with no coefficient a zero gradient gives
// 8500 km, whose ΔN of 39.3 N/km keeps the troposcatter loss beside that of a 0.039 N/m gradient.
TEST(EngineProcess, OneEarthWithTheWindowAndTroposcatterOnTheRadiusUsed) {
    const std::string rrv = test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/rrv.idn");
    test::TempDir dir;
    PutSet(dir, VAKREL_EXAMPLES);
    dir.write("rrv.idn", ReplaceParameter(ReplaceParameter(rrv, 18, 99.0), 23, 0.2));
    ASSERT_EQ(RunEngine(dir), 0);
    EXPECT_NEAR(Codes(ReadRez(dir)).at(4), 8491.21, 0.005);

    std::map<double, double> scatterLoss;
    for (double gradient : {0.0, 0.039}) {
        test::TempDir set;
        PutSet(set, std::string(VAKREL_EXAMPLES) + "/sets/troposcatter");
        const std::string own = set.read("rrv.idn");
        set.write("rrv.idn", ReplaceParameter(ReplaceParameter(ReplaceParameter(own, 18, 0.0), 23, gradient), 30, 0.0));
        ASSERT_EQ(RunEngine(set), 0);
        scatterLoss[gradient] = Codes(ReadRez(set)).at(23);
    }
    EXPECT_NEAR(scatterLoss[0.0], scatterLoss[0.039], 0.5);
}

struct BadInput {
    const char* what;
    std::string file;
    std::string bytes;  // replaces `file`; empty with remove = true deletes it
    bool remove;
    std::string message;  // a part of the error line
};

TEST(EngineProcess, BadInputLeavesTitleAndOneErrorLine) {
    const std::string prfHeader = [] {
        std::string h;
        for (int i = 0; i < 15; ++i) h += "header\r\n";
        return h;
    }();
    const std::string ttx = test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/ttx.idn");
    const std::string rrv = test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/rrv.idn");
    const std::vector<BadInput> cases = {
        {"missing profile", "buf.prf", "", true, "файл buf.prf: File not found."},
        {"missing stations", "buf.ttx", "", true, "файл buf.ttx: File not found."},
        {"missing conditions", "rrv.idn", "", true, "файл rrv.idn: File not found."},
        {"one row", "buf.prf", prfHeader + "0 100\r\n0.0 0.0\r\n", false, "в профиле 1 точка"},
        {"not growing", "buf.prf", prfHeader + "0 100\r\n5 100\r\n3 100\r\n", false, "расстояния не растут, точка 3"},
        {"not a number", "buf.prf", prfHeader + "0 100\r\n5 x\r\n", false, "Invalid numeric input"},
        {"zero frequency", "buf.ttx", ReplaceParameter(ttx, 24, "    0.000"), false, "строка 24: рабочая частота 0"},
        {"negative frequency", "buf.ttx", ReplaceParameter(ttx, 24, "  -10.000"), false, "рабочая частота -10"},
        {"unusable radius", "rrv.idn",
         ReplaceParameter(ReplaceParameter(ReplaceParameter(rrv, 18, "    0.000"), 23, "    0.200"), 30, "    0.000"),
         false, "эффективный радиус Земли"},
    };
    for (const BadInput& c : cases) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES);
        if (c.remove)
            std::remove(dir.file(c.file).c_str());
        else
            dir.write(c.file, c.bytes);
        EXPECT_NE(RunEngine(dir), 0) << c.what;
        const std::vector<RezLine> lines = ReadRez(dir);
        EXPECT_TRUE(Codes(lines).empty()) << c.what;
        int errorLines = 0;
        for (const RezLine& l : lines)
            if (l.text.rfind("  Ошибка: ", 0) == 0) {
                ++errorLines;
                EXPECT_NE(l.text.find(c.message), std::string::npos) << c.what << ": " << l.text;
            }
        EXPECT_EQ(errorLines, 1) << c.what;
        EXPECT_NE(lines.front().text.find("РАСЧЕТ ИНТЕРВАЛА"), std::string::npos) << c.what;
    }
}

TEST(EngineProcess, RandomBytesInAnyInputNeverCrashIt) {
    std::mt19937 random(20240611);
    for (const char* file : {"buf.prf", "buf.ttx", "rrv.idn"}) {
        for (int round = 0; round < 25; ++round) {
            test::TempDir dir;
            PutSet(dir, VAKREL_EXAMPLES);
            std::string bytes = dir.read(file);
            // Half the rounds garble the real file, half replace it by noise of digits, blanks and line ends.
            if (round % 2 == 0) {
                for (int k = 0; k < 20; ++k) bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
            } else {
                const std::string alphabet = "0123456789.-+eE \r\n\t\x1a";
                bytes.assign(random() % 3000, ' ');
                for (char& b : bytes) b = alphabet[random() % alphabet.size()];
            }
            dir.write(file, bytes);
            const int status = RunEngine(dir);
            EXPECT_TRUE(status == 0 || status == 1) << file << " round " << round << " status " << status;
            EXPECT_TRUE(dir.exists("vakrel.rez")) << file << " round " << round;
            ReadRez(dir);
        }
    }
}

TEST(EngineProcess, SelfTestPassesEveryBuiltInExample) {
    FILE* pipe = popen(("'" + kEngine + "' --self-test").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0);
    EXPECT_NE(output.find(" passed, 0 failed"), std::string::npos) << output;
}

}  // namespace
}  // namespace vakrel
