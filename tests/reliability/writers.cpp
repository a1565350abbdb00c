#include "writers.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QImage>

#include "buffer_files.h"
#include "conditions_file.h"
#include "fault_injection.h"
#include "hop_cut.h"
#include "hop_model.h"
#include "io_error.h"
#include "picture_file.h"
#include "profile_file.h"
#include "source_data_save.h"
#include "station_file.h"
#include "temp_dir.h"
#include "text_file.h"

namespace vakrel::test {

namespace {

constexpr std::size_t kLargeLine = 16u << 20;

// The message of an IoError thrown by `write`, empty when it returned.
template <class Write>
std::string MessageOf(Write write) {
    try {
        write();
    } catch (const IoError& e) {
        return e.userMessage();
    }
    return {};
}

// The working set of the examples, with the antennas at the two ends of the profile.
HopModel ExampleModel(bool large) {
    HopModel model;
    model.profile = ParseProfile(Example("prf.idn"), "prf.idn");
    model.station = ParseStationFile(Example("ttx.idn"));
    if (large) {
        model.profile.header[0] += std::string(kLargeLine, 'p');
        model.station.lines[0] += std::string(kLargeLine, 's');
    }
    model.antennas.position1 = 0;
    model.antennas.position2 = model.profile.points.back().distance;
    return model;
}

// Runs the engine in the current folder and returns what it reports for its result file.
std::string RunEngine() {
    int ends[2];
    if (::pipe(ends) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(ends[1], STDERR_FILENO);
        ::close(ends[0]);
        ::execl(VAKREL_BIN_DIR "/vakrel.exe", "vakrel.exe", "buf.prf", "buf.ttx", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ends[1]);
    std::string err;
    char buffer[1024];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;) err.append(buffer, static_cast<std::size_t>(n));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    // "vakrel.exe: vakrel.rez: <message>" on a failed write (exit 2); 0 or 1 wrote the file.
    if (WIFEXITED(status) && WEXITSTATUS(status) <= 1) return {};
    const std::string prefix = "vakrel.exe: vakrel.rez: ";
    if (err.starts_with(prefix)) return err.substr(prefix.size(), err.find('\n') - prefix.size());
    return "engine ended without its message: " + err;
}

}  // namespace

std::vector<Writer> AllWriters(bool large) {
    const std::string filler(large ? kLargeLine : 500, 'r');  // past the test's 64-byte file limit
    StationFile station = ParseStationFile(Example("ttx.idn"));
    ConditionsFile conditions = ParseConditionsFile(Example("rrv.idn"));
    ProfileData profile = ParseProfile(Example("prf.idn"), "prf.idn");
    if (large) {
        station.lines[0] += std::string(kLargeLine, 's');
        conditions.lines[0] += std::string(kLargeLine, 'c');
        profile.header[0] += std::string(kLargeLine, 'p');
    }
    const HopModel model = ExampleModel(large);
    QImage picture(large ? 2500 : 64, large ? 2500 : 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    HopModel engineModel = ExampleModel(false);
    const std::map<std::string, std::string> engineInputs = {
        {"buf.prf", FormatProfileBufferLayout(CutBetweenAntennas(engineModel))},
        {"buf.ttx", PrepareBufferStation(engineModel)},
        {"rrv.idn", Example("rrv.idn")},
    };

    std::vector<Writer> writers;
    writers.push_back({"WriteFileAtomically (the saved report)",
                       {"vakrel_w.rez"},
                       {},
                       true,
                       true,
                       false,
                       [filler](const std::string& folder) {
                           return MessageOf([&] { WriteFileAtomically(folder + "/vakrel_w.rez", filler + "\r\n"); });
                       }});
    writers.push_back({"SaveStationFile", {"my.ttx"}, {}, true, true, false, [station](const std::string& folder) {
                           StationFile file = station;
                           return MessageOf([&] { SaveStationFile(folder + "/my.ttx", file, "Станция"); });
                       }});
    writers.push_back(
        {"SaveConditionsFile", {"rrv.idn"}, {}, true, true, false, [conditions](const std::string& folder) {
             ConditionsFile file = conditions;
             return MessageOf([&] { SaveConditionsFile(folder + "/rrv.idn", file, "Условия"); });
         }});
    writers.push_back({"WriteProfileFile", {"prf.idn"}, {}, true, true, false, [profile](const std::string& folder) {
                           ProfileData data = profile;
                           return MessageOf([&] { WriteProfileFile(folder + "/prf.idn", data, "Профиль"); });
                       }});
    writers.push_back(
        {"SaveCutAsSourceData", {"prf.idn", "ttx.idn"}, {}, true, true, false, [model](const std::string& folder) {
             HopModel m = model;
             CurrentFolder here(folder);
             return MessageOf([&] { SaveCutAsSourceData(m); });
         }});
    writers.push_back(
        {"WriteBufferFiles", {"buf.prf", "buf.ttx"}, {}, true, true, false, [model](const std::string& folder) {
             HopModel m = model;
             CurrentFolder here(folder);
             return MessageOf([&] { WriteBufferFiles(m); });
         }});
    writers.push_back(
        {"SavePictureAsBmp", {"vakrel_w.bmp"}, {}, true, true, true, [picture](const std::string& folder) {
             return MessageOf([&] { SavePictureAsBmp(picture, folder + "/vakrel_w.bmp"); });
         }});
    writers.push_back({"vakrel.exe (the result file)",
                       {"vakrel.rez"},
                       engineInputs,
                       true,
                       false,
                       false,
                       [](const std::string& folder) {
                           CurrentFolder here(folder);
                           return RunEngine();
                       }});
    return writers;
}

}  // namespace vakrel::test
