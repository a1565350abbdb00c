#pragma once
// The command line of vakrel_w: an optional working folder (or a file in it), --help and --version.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace vakrel {

// What the command line asks for: the folder to start in (empty: the current directory), or
// an exit with `exitCode` after `output` has been printed (help, version, a bad argument).
struct CommandLine {
    std::string folder;  // the bytes given, so that a name the locale cannot decode still opens
    std::optional<int> exitCode;
    QString output;
};

// Reads the arguments after the program's name, as bytes.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Installs Qt's own Russian translations, so that the file dialogs and the standard buttons
// speak the language of the rest of the program. False when they are not installed.
bool InstallRussianQtTranslations();

}  // namespace vakrel
