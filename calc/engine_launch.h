#pragma once
// Starting the calculation engine "vakrel.exe buf.prf buf.ttx" in the working directory.

#include <QString>

namespace vakrel {

class UserSeam;

inline constexpr const char* kEngineProgram = "vakrel.exe";

// Where a program started by its bare name is found: the folder of this program's own
// executable, then the current directory, then the search path. The bare name when none has it.
QString FindEngine();

// Starts the engine directly (no shell) without waiting. A failed start shows the box captioned
// "Error" with "Ошибка запуска vakrel.exe buf.prf buf.ttx". Returns whether it started.
bool StartEngine(UserSeam& seam, const QString& workingDirectory);

}  // namespace vakrel
