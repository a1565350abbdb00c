#pragma once
// Runs vakrel-profile, the program that builds a profile file from elevation rasters, as a
// child process started directly (no shell), with a progress window whose button cancels it.
// The windowed program itself never loads the raster libraries.

#include <QString>
#include <QStringList>

class QWidget;

namespace vakrel {

inline constexpr const char* kProfileBuilderProgram = "vakrel-profile";

// Runs the program with `arguments` (its --progress is added) and waits for it, showing the
// progress over `parent`. True when it wrote its file; false when the user cancelled (the
// child is killed). Throws IoError with the program's own message when it refused the
// profile, and when it could not be started or found (FindProgram: never in the hop's folder).
bool RunProfileBuilder(QWidget* parent, const QStringList& arguments);

}  // namespace vakrel
