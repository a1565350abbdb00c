#pragma once
// Where the windows find the programs they start (the engine, the profile builder): beside this
// program's own executable, then in the absolute folders of the search path, in order. Never the
// current directory, nor an empty or relative entry of the search path, which mean it: a hop's
// folder received from someone else may hold a program of that name.

#include <QString>

namespace vakrel {

// The program `name` found from this executable's folder and PATH; empty when none has it.
QString FindProgram(const QString& name);
// The same search from `ownFolder` and the search path `searchPath` (folders separated as in PATH).
QString FindProgramIn(const QString& name, const QString& ownFolder, const QString& searchPath);

}  // namespace vakrel
