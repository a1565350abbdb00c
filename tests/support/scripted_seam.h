#pragma once
// The user, scripted: answers questions and file dialogs from queues prepared by the test, and
// records everything the program asked or showed, in order.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "user_seam.h"

namespace vakrel::test {

class ScriptedSeam final : public UserSeam {
public:
    // What the program showed or asked: kind ("Confirm", "Warning", "Error box", "Choice",
    // "Dialog", "Start"), caption and text (UTF-8; a choice's buttons follow its text, one a line).
    struct Event {
        std::string kind;
        std::string caption;
        std::string text;
    };

    std::deque<bool> answers;                  // Confirm / Warn answers; none left: No
    std::deque<std::optional<QString>> files;  // file and folder dialog answers; none left: cancelled
    std::deque<int> choices;                   // Choose answers (button index); none left: closed
    bool startSucceeds = true;
    bool startForReal = false;  // really start the program (end-to-end tests)
    // A program started without startForReal, as the test lets it run and end: it runs until
    // the test sets `running` false, then reports `exitCode`.
    struct ScriptedRun {
        bool running = true;
        int exitCode = 0;
    };
    std::shared_ptr<ScriptedRun> lastRun;  // the last scripted start, null before one
    std::vector<Event> events;
    std::vector<FileDialogRequest> dialogs;
    QStringList startedCommand;  // program and arguments of the last start
    QString startedIn;

    bool Confirm(QWidget* parent, const QString& text) override;
    bool Warn(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    int Choose(QWidget* parent, const QString& caption, const QString& text, const QStringList& choices) override;
    std::unique_ptr<StartedProgram> StartProgram(const QString& program, const QStringList& arguments,
                                                 const QString& workingDirectory) override;

    // The texts of the events of one kind, in order.
    std::vector<std::string> texts(const std::string& kind) const;

protected:
    std::optional<QString> AskFile(QWidget* parent, const FileDialogRequest& request) override;

private:
    bool nextAnswer();
};

}  // namespace vakrel::test
