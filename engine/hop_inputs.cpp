#include "hop_inputs.h"

#include <cmath>

#include "conditions_file.h"
#include "input_warnings.h"
#include "io_error.h"
#include "number_format.h"
#include "profile_file.h"
#include "quoted_input.h"
#include "station_file.h"
#include "text_file.h"

namespace vakrel {

namespace {

std::string Number(double value) { return FormatGeneral(value, '.'); }

// The file's data, or an InputError naming the file (`name`, as the report shows it) and the reason.
template <class Reader>
auto ReadOrRefuse(const std::string& name, Reader read) {
    try {
        return read();
    } catch (const IoError& e) {
        throw InputError("файл " + name + ": " + e.userMessage());
    }
}

}  // namespace

HopProfile ParseProfileBuffer(std::string_view bytes, const std::string& fileName) {
    HopProfile profile;
    for (const ProfilePoint& row : ParseProfileBufferRows(bytes, fileName)) {
        profile.distanceKm.push_back(row.distance);
        profile.heightM.push_back(row.groundHeight);
    }
    return profile;
}

void CheckProfile(const HopProfile& profile, const std::string& fileName) {
    const std::size_t n = profile.distanceKm.size();
    if (n < 2)
        throw InputError("файл " + fileName + ": в профиле " + std::to_string(n) + " точк" + (n == 1 ? "а" : "и") +
                         ", нужно не меньше двух");
    if (profile.distanceKm.front() != 0)
        throw InputError("файл " + fileName + ": первая точка профиля стоит на " + Number(profile.distanceKm.front()) +
                         " км, а не у антенны 1 (0 км)");
    for (std::size_t i = 1; i < n; ++i) {
        if (!(profile.distanceKm[i] > profile.distanceKm[i - 1]))
            throw InputError("файл " + fileName + ": расстояния не растут, точка " + std::to_string(i + 1) +
                             " (строка " + std::to_string(kProfileHeaderLines + i + 1) + "): " +
                             Number(profile.distanceKm[i]) + " км после " + Number(profile.distanceKm[i - 1]) + " км");
    }
}

void CheckFrequency(const StationFile& station, const std::string& fileName) {
    const double frequency = station.params[kFrequencyParam - 1];
    if (!(frequency > 0))
        throw InputError("файл " + fileName + ", строка " +
                         std::to_string(kStationFirstParamLine + kFrequencyParam - 1) + ": рабочая частота " +
                         Number(frequency) + " МГц, нужна больше нуля");
}

HopInputs AssembleHopInputs(HopProfile profile, const StationFile& station, const ConditionsFile& conditions,
                            const InputNames& names) {
    HopInputs in;
    in.profile = std::move(profile);
    CheckProfile(in.profile, names.profile);

    CheckFrequency(station, names.station);
    std::copy(station.params.begin(), station.params.end(), in.station.begin());
    std::copy(conditions.params.begin(), conditions.params.end(), in.conditions.begin());
    NoteUnreadableFields(station, names.station, conditions, names.conditions, in.warnings);
    in.refraction = RefractionFromConditions(in.conditions);
    in.radiusKm = DeriveEarthRadius(in.refraction);
    if (!IsUsableRadius(in.radiusKm))
        throw InputError("файл " + names.conditions + ", строки " +
                         std::to_string(kConditionsFirstParamLine + kGradientParam - 1) + " и " +
                         std::to_string(kConditionsFirstParamLine + kCoefficientParam - 1) +
                         ": эффективный радиус Земли не определен (градиент " + Number(in.refraction.gradient) +
                         " 1/м, коэффициент рефракции " + Number(in.refraction.coefficient) + ")");
    return in;
}

HopInputs ReadHopInputs(const std::string& profilePath, const std::string& stationPath,
                        const std::string& conditionsPath) {
    // The file names as every message shows them.
    const InputNames names{QuotedInput(profilePath), QuotedInput(stationPath), QuotedInput(conditionsPath)};
    // Each file is checked before the next is read, so a message names the first file at fault.
    HopProfile profile =
        ReadOrRefuse(names.profile, [&] { return ParseProfileBuffer(ReadFileBytes(profilePath), profilePath); });
    CheckProfile(profile, names.profile);
    const StationFile station = ReadOrRefuse(names.station, [&] { return LoadStationFile(stationPath); });
    CheckFrequency(station, names.station);
    const ConditionsFile conditions =
        ReadOrRefuse(names.conditions, [&] { return LoadConditionsFile(conditionsPath); });
    return AssembleHopInputs(std::move(profile), station, conditions, names);
}

}  // namespace vakrel
