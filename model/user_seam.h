#pragma once
// The one seam between the program and its user or the outside world: questions, error boxes,
// file dialogs and starting a program. The Qt implementation shows real boxes and dialogs;
// tests put a scripted one in its place to answer as the user would.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace vakrel {

class IoError;

struct FileDialogRequest {
    bool save = false;  // a save dialog; otherwise an open dialog
    QString title;
    QString filter;         // Qt form: "Name (*.ext);;All (*)"
    QString defaultSuffix;  // without the point
    QString initialName;    // file name offered
    bool folder = false;    // a folder dialog: the answer is a folder (title alone is used)
};

// A program the seam has started directly, as a child of this one: watched, never waited for.
// Destroying it stops the program if it still runs.
class StartedProgram {
public:
    virtual ~StartedProgram() = default;
    // Whether it still runs, asked afresh each time.
    virtual bool running() = 0;
    // Once it has ended: its exit code (the signal's number when a signal ended it).
    virtual int exitCode() = 0;
};

class UserSeam {
public:
    virtual ~UserSeam() = default;

    // A box captioned "Confirm" with "&Yes" and "&No"; true only for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A box captioned "Warning" with "&Yes" and "&No"; true only for Yes.
    virtual bool Warn(QWidget* parent, const QString& text) = 0;
    // A box with the given caption, the text shown as plain text, and a single OK.
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A box with the given caption, the text shown as plain text, and one button for each of
    // `choices`; the index of the button pressed, -1 when the box was closed otherwise.
    virtual int Choose(QWidget* parent, const QString& caption, const QString& text, const QStringList& choices) = 0;
    // Starts a program directly (no shell) without waiting for it to end; nothing when it cannot
    // be started.
    virtual std::unique_ptr<StartedProgram> StartProgram(const QString& program, const QStringList& arguments,
                                                         const QString& workingDirectory) = 0;

    // A file dialog; on confirmation the chosen file's folder becomes the current directory.
    std::optional<QString> ChooseFile(QWidget* parent, const FileDialogRequest& request);
    // A folder dialog titled `title`; the absolute path of the folder chosen. The current
    // directory stays where it is: the caller decides whether the folder is taken.
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& title);
    // The error box of every command: captioned "VAKREL", the standard message with its point,
    // and on a second line the short name of the file it concerns. When `workingDirectory` is
    // given and no longer exists, a third line says so with its path.
    void ShowIoError(QWidget* parent, const IoError& error, const std::string& workingDirectory = {});

protected:
    // The dialog itself; the absolute path chosen, or nothing when cancelled.
    virtual std::optional<QString> AskFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The text of that box.
QString IoErrorText(const IoError& error, const std::string& workingDirectory = {});

// A path or name held as bytes (a folder from the command line, the working directory), shown
// as UTF-8 where it is; a byte that is not valid UTF-8 is shown as \xNN, so that a folder whose
// name the locale cannot decode is still told apart from another.
QString ReadableBytes(std::string_view bytes);

// The application's caption for error boxes.
inline const char* const kApplicationTitle = "VAKREL";

}  // namespace vakrel
