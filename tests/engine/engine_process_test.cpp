// The built vakrel.exe run as the windowed program runs it: in a folder holding buf.prf, buf.ttx and
// rrv.idn, writing vakrel.rez there.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "codepage.h"
#include "profile_file.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

const std::string kEngine = std::string(VAKREL_BIN_DIR) + "/vakrel.exe";

struct RezLine {
    int code;        // -1 for a line without a code
    std::string text;
    double value;
};

// Runs the engine in `dir`; returns its exit status, or -1 when it did not exit normally (a crash).
int RunEngine(const test::TempDir& dir) {
    const std::string command = "cd '" + dir.path() + "' && '" + kEngine + "' buf.prf buf.ttx >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Splits the result file into lines, checking the file's layout rules on the way.
std::vector<RezLine> ReadRez(const test::TempDir& dir) {
    const std::string bytes = dir.read("vakrel.rez");
    std::vector<RezLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) break;
        const std::string line = bytes.substr(start, end - start);
        EXPECT_LE(line.size(), 76u) << line;
        RezLine r{-1, Cp866ToUtf8(line), 0};
        const std::string code = line.size() >= 5 ? line.substr(2, 3) : "";
        if (code.find_first_of("0123456789") != std::string::npos) {
            EXPECT_EQ(line.size(), 75u) << r.text;
            r.code = std::stoi(code);
            r.value = std::stod(line.substr(65, 10));
        }
        lines.push_back(r);
        start = end + 2;
    }
    return lines;
}

std::map<int, double> Codes(const std::vector<RezLine>& lines) {
    std::map<int, double> codes;
    for (const RezLine& l : lines)
        if (l.code >= 0) codes[l.code] = l.value;
    return codes;
}

// A working set: buf.prf cut from a profile file as the windowed program writes it, buf.ttx and rrv.idn.
void PutSet(const test::TempDir& dir, const std::string& folder) {
    const ProfileData profile = ReadProfileFile(folder + "/prf.idn");
    dir.write("buf.prf", FormatProfileBufferLayout(profile));
    dir.write("buf.ttx", test::ReadSourceFile(folder + "/ttx.idn"));
    dir.write("rrv.idn", test::ReadSourceFile(folder + "/rrv.idn"));
}

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

const std::vector<int> kEveryCode = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 20, 21, 22, 23, 24, 25, 30,
                                     31, 32, 40, 41, 42, 43, 44, 45, 46, 47, 48, 58, 59, 60};

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
    struct Row { const char* set; int pathClass; int propagation; int listB; int listC; };
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

struct BadInput {
    const char* what;
    std::string file;
    std::string bytes;     // replaces `file`; empty with remove = true deletes it
    bool remove;
    std::string message;   // a part of the error line
};

std::string ReplaceParameter(std::string file, int line, const char* value) {
    std::size_t pos = 0;
    for (int i = 1; i < line; ++i) pos = file.find("\r\n", pos) + 2;
    return file.replace(pos + 65, 9, value);
}

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
