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

// The engine's run for the buffer files on disk. Results belong to their run: the old result
// file goes before the start, and "Рез" opens the report only once the run has ended with one.
class EngineRun {
public:
    EngineRun();
    ~EngineRun();

    // Stops a run that still goes on, removes the result file vakrel.rez of `workingDirectory`
    // and starts the engine there directly (no shell) without waiting; the engine is found by
    // FindProgram. Throws IoError when the old result file cannot be removed; nothing is started
    // then. A failed start shows the box captioned "Error" with "Ошибка запуска vakrel.exe
    // buf.prf buf.ttx".
    void Start(UserSeam& seam, const QString& workingDirectory);

    // Why the report cannot be shown now: "Расчет еще выполняется" while the engine runs, the
    // working folder's path when it is gone, "Расчет завершился с ошибкой (код N)" when the run
    // has ended without a result file. Nothing when the report may open (it then reads what the
    // run left, or reports a missing file).
    std::optional<QString> ResultsRefusal();

private:
    std::unique_ptr<StartedProgram> program_;
    QString workingDirectory_;  // where the last run was started
};

}  // namespace vakrel
