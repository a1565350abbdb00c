#pragma once
// A working set for the editor windows: the bundled files copied into a temporary folder that
// is made current (the editors open their files by their short names), a model loaded from
// them, the scripted user, and typing into grid cells as the user does.

#include <QLocale>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "hop_model.h"
#include "scripted_seam.h"
#include "temp_dir.h"

class QLineEdit;

namespace vakrel {

class StringGrid;

namespace test {

class WorkingSet {
public:
    WorkingSet();
    ~WorkingSet();

    std::vector<std::string> questions() const { return seam.texts("Confirm"); }
    std::vector<std::string> errors() const { return seam.texts("Error box"); }
    std::string read(const std::string& name) const { return dir.read(name); }

    TempDir dir;
    TempDir other;  // a folder outside the working directory
    HopModel model;
    ScriptedSeam seam;

private:
    std::filesystem::path previous_;
};

// Types `text` into cell (col, row) over its whole old text, as one change of the cell's text
// (like a paste); an empty text deletes the old one.
void TypeInto(StringGrid& grid, int col, int row, const QString& text);
// Types `text` key by key into cell (col, row), appending to what it shows.
void KeyInto(StringGrid& grid, int col, int row, const QString& text);

StringGrid& GridOf(QWidget& form);
QLineEdit& NameFieldOf(QWidget& form);

}  // namespace test
}  // namespace vakrel
