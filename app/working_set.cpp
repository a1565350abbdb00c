#include "working_set.h"

#include "codepage.h"
#include "conditions_file.h"
#include "earth_radius.h"
#include "hop_model.h"
#include "parameter_line.h"
#include "text_file.h"

namespace vakrel {

void LoadWorkingProfile(HopModel& model) {
    model.profile = ReadProfileFile(InFolder(model.workingDirectory, kWorkingProfile));
}

void LoadWorkingStation(HopModel& model) {
    model.station = LoadStationFile(InFolder(model.workingDirectory, kWorkingStation));
}

void LoadWorkingConditions(HopModel& model) {
    model.conditions = LoadConditionsFile(InFolder(model.workingDirectory, kWorkingConditions));
    model.refraction = RefractionFromConditions(model.conditions.params);
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
    model.launchPending = true;
    model.resultsLoaded = false;
}

QString ProfileCaption(const ProfileData& profile) {
    const std::string name = DosToWin(NameFromNameLine(profile.header[2]), WindowsTest::Off, true);
    return QStringLiteral("Профиль местности на интервале: ") + QString::fromStdString(Cp1251ToUtf8(name));
}

}  // namespace vakrel
