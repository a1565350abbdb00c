#include "working_set.h"

#include "codepage.h"
#include "earth_radius.h"
#include "hop_model.h"
#include "parameter_line.h"
#include "text_file.h"

namespace vakrel {

namespace {

// The conditions file's lines the main window reads (1-based).
constexpr int kMonthLine = 17;
constexpr int kRegionLine = 18;
constexpr int kGradientLine = 23;

}  // namespace

void LoadWorkingProfile(HopModel& model) { model.profile = ReadProfileFile(kWorkingProfile); }

void LoadWorkingStation(HopModel& model) {
    model.station = LoadStationFile(kWorkingStation);
    model.antennas.height1 = model.stationParam(kAntenna1HeightParam);
    model.antennas.height2 = model.stationParam(kAntenna2HeightParam);
    model.workingFrequency = model.stationParam(kFrequencyParam);
}

void LoadWorkingConditions(HopModel& model) {
    const std::string bytes = ReadFileBytes(kWorkingConditions);
    LineReader in(bytes);
    Refraction& r = model.refraction;
    for (int line = 1; line <= kGradientLine; ++line) {
        const std::string text = in.ReadLine();
        if (line == kMonthLine) r.month = TruncateToInt(ReadValueField(text));
        if (line == kRegionLine) r.region = TruncateToInt(ReadValueField(text));
        if (line == kGradientLine) r.gradient = ReadValueField(text);
    }
    DeriveModelEarthRadius(model);
}

void DeriveModelEarthRadius(HopModel& model) { model.effectiveEarthRadius = DeriveEarthRadius(model.refraction); }

void LoadWorkingFiles(HopModel& model, const std::string& directory) {
    model.workingDirectory = directory;
    LoadWorkingProfile(model);
    LoadWorkingStation(model);
    LoadWorkingConditions(model);
    model.antennas.position1 = 0;
    model.antennas.position2 = model.profile.points.empty() ? 0 : model.profile.points.back().distance;
    model.scaleShown = false;
    model.curvedLevels = false;
    model.launchPending = true;
    model.resultsLoaded = false;
}

QString ProfileCaption(const ProfileData& profile) {
    const std::string name = DosToWin(NameFromNameLine(profile.header[2]), WindowsTest::Off, true);
    return QStringLiteral("Профиль местности на интервале: ") + QString::fromStdString(Cp1251ToUtf8(name));
}

}  // namespace vakrel
