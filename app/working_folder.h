#pragma once
// The folder the program works in. Started from the desktop menu the current directory is the
// home folder, which holds no hop; rather than report a missing file, the program then says
// where it looked and lets the user pick a hop's folder or lay out the example set in a new one.

#include <QString>

class QWidget;

namespace vakrel {

class UserSeam;

// Whether `folder` holds none of the three working files prf.idn, ttx.idn and rrv.idn.
bool LacksWorkingFiles(const QString& folder);

// The example set installed with the program: share/vakrel/examples beside its bin/ folder.
QString ExampleSetFolder();

// Copies the example set's files from `from` into `folder`, which must hold no working file.
// Throws IoError at the first file that cannot be read or written.
void LayOutExampleSet(const QString& from, const QString& folder);

// While the current directory holds no working file: a box names that folder and the three
// files it expected, and offers to choose a hop's folder or to lay out the example set from
// `exampleSet` in a new one, which then becomes the current directory. True when the current
// directory holds working files at the end, false when the user closed the box.
bool OfferWorkingFolder(UserSeam& seam, QWidget* parent, const QString& exampleSet = ExampleSetFolder());

}  // namespace vakrel
