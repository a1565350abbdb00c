#pragma once
// The working set of a hop: prf.idn, ttx.idn and rrv.idn in the working directory, read into
// the model. Each reader is all or nothing: a file that fails leaves its part of the model as
// it was. Every file is opened in the model's working directory, whatever folder is current.

#include <QString>
#include <string>

#include "working_files.h"

namespace vakrel {

struct HopModel;
struct ProfileData;

// The profile: header lines and points.
void LoadWorkingProfile(HopModel& model);
// The station lines and values; the antenna heights and the working frequency are among them.
void LoadWorkingStation(HopModel& model);
// The conditions file as the engine reads it, its month (line 17), region (line 18), refraction
// gradient (line 23) and refraction coefficient (line 30) as the refraction data, then the
// effective earth radius: the same files give the same earth whether or not the conditions editor ran before.
void LoadWorkingConditions(HopModel& model);
// The effective earth radius from the model's refraction data; may set month and gradient.
void DeriveModelEarthRadius(HopModel& model);

// The model's part of the working-set loading, in order: records `directory` as the working
// directory, reads the profile, the station file and the conditions, puts the antennas at the
// two ends of the profile and sets the flags for a fresh working set (calculation
// pending, no results). Throws IoError at the first file that fails; what was read before it
// stays in the model and nothing after it is done.
void LoadWorkingFiles(HopModel& model, const std::string& directory);

// The caption over the picture: "Профиль местности на интервале: " and the name from header
// line 3 (columns 13-80), converted from code page 866 as it stands.
QString ProfileCaption(const ProfileData& profile);

}  // namespace vakrel
