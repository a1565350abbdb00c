#pragma once
// A program started as a child process of this one, directly (no shell), and watched without
// being waited for: what the Qt seam starts, and what end-to-end tests start for real.

#include <QString>
#include <QStringList>
#include <memory>

#include "user_seam.h"

namespace vakrel {

// Starts `program` (a path to it) with `arguments` in `workingDirectory`; its output goes where
// this program's goes, its input is empty. Nothing when it cannot be started.
std::unique_ptr<StartedProgram> StartChildProcess(const QString& program, const QStringList& arguments,
                                                  const QString& workingDirectory);

}  // namespace vakrel
