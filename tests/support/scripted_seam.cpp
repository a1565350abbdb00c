#include "scripted_seam.h"

#include "child_process.h"

namespace vakrel::test {

bool ScriptedSeam::nextAnswer() {
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedSeam::Confirm(QWidget*, const QString& text) {
    events.push_back({"Confirm", "Confirm", text.toStdString()});
    return nextAnswer();
}

bool ScriptedSeam::Warn(QWidget*, const QString& text) {
    events.push_back({"Warning", "Warning", text.toStdString()});
    return nextAnswer();
}

void ScriptedSeam::ShowError(QWidget*, const QString& caption, const QString& text) {
    events.push_back({"Error box", caption.toStdString(), text.toStdString()});
}

int ScriptedSeam::Choose(QWidget*, const QString& caption, const QString& text, const QStringList& buttons) {
    events.push_back({"Choice", caption.toStdString(), (QStringList{text} + buttons).join('\n').toStdString()});
    if (choices.empty()) return -1;
    const int answer = choices.front();
    choices.pop_front();
    return answer;
}

namespace {

class ScriptedProgram final : public StartedProgram {
public:
    explicit ScriptedProgram(std::shared_ptr<ScriptedSeam::ScriptedRun> run) : run_(std::move(run)) {}
    bool running() override { return run_->running; }
    int exitCode() override { return run_->exitCode; }

private:
    std::shared_ptr<ScriptedSeam::ScriptedRun> run_;
};

}  // namespace

std::unique_ptr<StartedProgram> ScriptedSeam::StartProgram(const QString& program, const QStringList& arguments,
                                                           const QString& workingDirectory) {
    events.push_back({"Start", program.toStdString(), arguments.join(' ').toStdString()});
    startedCommand = QStringList{program} + arguments;
    startedIn = workingDirectory;
    if (startForReal) return StartChildProcess(program, arguments, workingDirectory);
    if (!startSucceeds) return nullptr;
    lastRun = std::make_shared<ScriptedRun>();
    return std::make_unique<ScriptedProgram>(lastRun);
}

std::optional<QString> ScriptedSeam::AskFile(QWidget*, const FileDialogRequest& request) {
    events.push_back({"Dialog", request.title.toStdString(), request.initialName.toStdString()});
    dialogs.push_back(request);
    if (files.empty()) return std::nullopt;
    auto answer = files.front();
    files.pop_front();
    return answer;
}

std::vector<std::string> ScriptedSeam::texts(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.kind == kind) out.push_back(e.text);
    return out;
}

}  // namespace vakrel::test
