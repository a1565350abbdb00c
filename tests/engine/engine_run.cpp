#include "engine_run.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "codepage.h"
#include "profile_file.h"

namespace vakrel {

const std::string kEngine = std::string(VAKREL_BIN_DIR) + "/vakrel.exe";

int RunEngine(const test::TempDir& dir, const std::string& arguments) {
    const std::string command = "cd '" + dir.path() + "' && '" + kEngine + "' " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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
        EXPECT_EQ(line.find_first_of("\r\n\x1A"), std::string::npos) << "a line end or Ctrl-Z inside: " << line;
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

void PutSet(const test::TempDir& dir, const std::string& folder) {
    const ProfileData profile = ReadProfileFile(folder + "/prf.idn");
    dir.write("buf.prf", FormatProfileBufferLayout(profile));
    dir.write("buf.ttx", test::ReadSourceFile(folder + "/ttx.idn"));
    dir.write("rrv.idn", test::ReadSourceFile(folder + "/rrv.idn"));
}

std::string ReplaceParameter(std::string file, int line, const char* value) {
    std::size_t pos = 0;
    for (int i = 1; i < line; ++i) pos = file.find("\r\n", pos) + 2;
    return file.replace(pos + 65, 9, value);
}

std::string ReplaceParameter(const std::string& file, int line, double value) {
    char field[32];
    std::snprintf(field, sizeof field, "%9.3f", value);
    return ReplaceParameter(file, line, field);
}

bool ReportSays(const std::vector<RezLine>& lines, const std::string& part) {
    std::string all;
    for (const RezLine& l : lines) all += l.text + " ";
    std::string joined;
    for (char c : all)
        if (!(c == ' ' && !joined.empty() && joined.back() == ' ')) joined += c;
    return joined.find(part) != std::string::npos;
}

}  // namespace vakrel
