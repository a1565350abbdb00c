#include "child_process.h"

#include <QProcess>

namespace vakrel {

namespace {

class ChildProcess final : public StartedProgram {
public:
    ChildProcess(const QString& program, const QStringList& arguments, const QString& workingDirectory) {
        process_.setProgram(program);
        process_.setArguments(arguments);
        process_.setWorkingDirectory(workingDirectory);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.setStandardInputFile(QProcess::nullDevice());
    }
    // QProcess stops a program that still runs and collects it.
    ~ChildProcess() override = default;

    bool Start() {
        process_.start();
        return process_.waitForStarted();
    }

    bool running() override {
        // A look without waiting: the end of the program is noticed here even when no event
        // loop has run since.
        if (process_.state() != QProcess::NotRunning) process_.waitForFinished(0);
        return process_.state() != QProcess::NotRunning;
    }
    int exitCode() override { return process_.exitCode(); }

private:
    QProcess process_;
};

}  // namespace

std::unique_ptr<StartedProgram> StartChildProcess(const QString& program, const QStringList& arguments,
                                                  const QString& workingDirectory) {
    auto child = std::make_unique<ChildProcess>(program, arguments, workingDirectory);
    if (!child->Start()) return nullptr;
    return child;
}

}  // namespace vakrel
