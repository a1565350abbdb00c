#pragma once
// The conventions of the user's desktop that the windows share: the locale's decimal separator
// and the general number format it gives, file paths as the file functions take them, and the
// process's current folder, which the file dialogs move and the working folder returns to.

#include <QString>
#include <string>

namespace vakrel {

// A path as the file functions take it (local 8-bit bytes) and back.
std::string PathBytes(const QString& path);

// The current directory as a text, as the working directory is recorded.
std::string CurrentDirectory();
// Makes `directory` current; throws IoError when it cannot.
void MakeCurrent(const std::string& directory);

// The decimal separator of the user's locale, for the general number format.
char LocaleSeparator();

// A number in the general format with the locale's separator, as the windows show it.
QString GeneralText(double value);

}  // namespace vakrel
