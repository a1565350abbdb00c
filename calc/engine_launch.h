#pragma once
// Starting the calculation engine "vakrel.exe buf.prf buf.ttx" in the working directory, and
// what the run it started allows "Рез" to show.

#include <QString>
#include <memory>
#include <optional>

namespace vakrel {

class StartedProgram;
class UserSeam;

inline constexpr const char* kEngineProgram = "vakrel.exe";

// Where the engine is found: beside this program's own executable, then in the absolute folders
// of the search path, in order. Never the current directory: a hop's folder received from
// someone else may hold a program of that name. Empty when none has it.
QString FindEngine();
// The same search from `ownFolder` and the search path `searchPath` (folders separated as in PATH).
QString FindEngineIn(const QString& ownFolder, const QString& searchPath);

// The engine's run for the buffer files on disk. Results belong to their run: the old result
// file goes before the start, and "Рез" opens the report only once the run has ended with one.
class EngineRun {
public:
    EngineRun();
    ~EngineRun();

    // Stops a run that still goes on, removes the result file vakrel.rez of the current
    // (working) directory and starts the engine there directly (no shell) without waiting.
    // Throws IoError when the old result file cannot be removed; nothing is started then. A
    // failed start shows the box captioned "Error" with "Ошибка запуска vakrel.exe buf.prf
    // buf.ttx".
    void Start(UserSeam& seam, const QString& workingDirectory);

    // Why the report cannot be shown now: "Расчет еще выполняется" while the engine runs,
    // "Расчет завершился с ошибкой (код N)" when it has ended without a result file. Nothing
    // when the report may open (it then reads what the run left, or reports a missing file).
    std::optional<QString> ResultsRefusal();

private:
    std::unique_ptr<StartedProgram> program_;
};

}  // namespace vakrel
