#pragma once
// The planner's folder for the window tests: a copy of the bundled working set in a temporary
// folder, the nine windows started there, and what the user was told.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "U_rez.h"
#include "folder_lock.h"
#include "hop_model.h"
#include "profile_view.h"
#include "scripted_seam.h"
#include "startup.h"
#include "temp_dir.h"
#include "u_vakrel.h"

namespace vakrel {

using test::Example;
// A data file with the value of line `number` (1-based) replaced.
std::string WithValue(const std::string& bytes, int number, double value);
// Conditions of a non-typical region whose gradient leaves no earth radius.
std::string ConditionsWithoutRadius();
// The example profile's 15 header lines followed by `rows`.
std::string ProfileWithRows(const std::string& rows);

// The planner's folder with a copy of the bundled working set, and the windows started in it.
class Planner {
public:
    Planner() {
        for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) dir.write(name, Example(name));
    }
    ~Planner() { QDir::setCurrent(previous_); }

    void Start() {
        QDir::setCurrent(QString::fromStdString(dir.path()));
        CreateWindows(windows, model, seam);
        main().resize(1000, 700);
        main().show();
        main().FormActivate();
    }
    TForm1& main() { return *windows.form1; }
    QPushButton& button(const char* name) { return *main().findChild<QPushButton*>(QString::fromLatin1(name)); }
    const QImage& picture() { return main().findChild<ProfileView*>(QStringLiteral("Image1"))->image(); }
    std::vector<std::string> errors() const { return seam.texts("Error box"); }
    // Every file of the folder with its bytes, but for the lock of the program working there.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.is_regular_file() && entry.path().filename() != kFolderLockFile)
                files[entry.path().filename().string()] = dir.read(entry.path().filename().string());
        return files;
    }
    // Presses "Рез" with the report closed as soon as it shows (after `whileShown`); true when
    // it showed.
    bool PressResults(const std::function<void()>& whileShown = {}) {
        bool shown = false;
        QTimer::singleShot(0, windows.form6.get(), [&] {
            shown = windows.form6->isVisible();
            if (shown && whileShown) whileShown();
            if (shown) windows.form6->close();
        });
        button("Button2").click();
        QCoreApplication::processEvents();
        return shown;
    }

    const QString previous_ = QDir::currentPath();
    test::TempDir dir;
    HopModel model;
    test::ScriptedSeam seam;
    Windows windows;
};

}  // namespace vakrel
