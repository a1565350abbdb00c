// Steps of the planner's way that used to stop or mislead, one row each, through the real windows:
// a profile built from elevation rasters out of the picture's menu and named as the planner
// named it, a profile of another length handed over, the example set laid out in a folder typed
// new in the folder dialog, and the conditions editor's names and units.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "U_prf.h"
#include "U_rrv.h"
#include "codepage.h"
#include "editor_fixture.h"
#include "elevation_profile_dialog.h"
#include "planner.h"
#include "string_grid.h"
#include "text_file.h"
#include "updown.h"
#include "working_folder.h"

namespace vakrel {
namespace {

const char* const kOverwrite = "Перезаписать данные о профиле в рабочий файл prf.idn?";
const char* const kUse = "Использовать измененные данные о профиле в текущих расчетах ?";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Caption(const QString& name) { return "Профиль местности на интервале: " + name.toStdString(); }

// Gives the profile editor `answers` and closes it once `ready` holds, asked after every event,
// so that the editor closes only when the command it runs is over.
struct CloseEditorWhen {
    Planner* p;
    std::function<bool()> ready;
    std::deque<bool> answers;
    void operator()() const {
        if (!ready()) return void(QTimer::singleShot(0, p->windows.form3.get(), *this));
        p->seam.answers = answers;
        p->windows.form3->close();
    }
};

// "Построить профиль по карте высот…" of the picture's menu over the synthetic rasters, the
// dialog's names as given; the editor closed with both questions answered yes once the built
// profile shows (or a refusal was said).
void BuildFromPictureMenu(Planner& p, const QString& name, const QString& site1, const QString& site2,
                          const QString& shownName) {
    const auto field = [](QDialog& d, const char* object) { return d.findChild<QLineEdit*>(object); };
    // The editor's own showing starts the command: the dialog is filled once it has opened.
    std::function<void()> fill = [&] {
        auto* dialog = p.windows.form3->findChild<ElevationProfileDialog*>();
        if (!dialog || !dialog->isVisible()) return void(QTimer::singleShot(0, p.windows.form3.get(), fill));
        const std::pair<const char*, QString> fields[] = {
            {"ProfileName", name}, {"Site1Name", site1},
            {"Site2Name", site2},  {"FromLat", "55,3"},
            {"FromLon", "37.9"},   {"ToLat", "55.34"},
            {"ToLon", "38,56"},    {"DemPaths", VAKREL_EXAMPLES "/dem/hop_elevation.asc"}};
        for (const auto& [object, text] : fields) field(*dialog, object)->setText(text);
        dialog->findChild<QPushButton*>("Build")->click();
        const auto built = [&p, shownName] {
            return test::NameFieldOf(*p.windows.form3).text() == shownName || !p.errors().empty();
        };
        QTimer::singleShot(0, p.windows.form3.get(), CloseEditorWhen{&p, built, {true, true}});
    };
    QTimer::singleShot(0, p.windows.form3.get(), fill);
    p.main().findChild<QAction*>("N7")->trigger();
}

// What the planner sees of a built profile: the editor's name, the caption over the picture,
// and the name and points in prf.idn.
void ExpectBuiltProfileNamed(Planner& p, const QString& name) {
    EXPECT_EQ(p.errors(), std::vector<std::string>{});
    EXPECT_EQ(p.seam.texts("Confirm"), (std::vector<std::string>{kOverwrite, kUse}));
    EXPECT_EQ(test::NameFieldOf(*p.windows.form3).text(), name);
    EXPECT_EQ(p.main().findChild<QLabel*>("Label1")->text().toStdString(), Caption(name));
    const ProfileData written = ReadProfileFile(p.dir.file("prf.idn"));
    EXPECT_EQ(Cp1251ToUtf8(NameOfKeptLine(written.header[2], true)), name.toStdString());
    EXPECT_GT(written.points.size(), 300u);
    EXPECT_EQ(p.model.pointCount(), static_cast<int>(written.points.size()));
}

// The unit a conditions file line gives after its name ("Вероятность дождей, %....."), or "".
QString UnitOfLine(const std::string& line) {
    const QString text = Q(Cp1251ToUtf8(DosToWin(line, WindowsTest::Full, true))).section(QStringLiteral(".."), 0, 0);
    const QString unit = text.section(QStringLiteral(", "), -1);
    return text.contains(QStringLiteral(", ")) && !unit.contains(')') ? unit.trimmed() : QString();
}

struct Row {
    const char* friction;
    std::function<void(Planner&)> run;  // acts as the planner and checks what is seen and on disk
};

const Row kRows[] = {
    {"picture menu builds a profile, keeping the name typed",
     [](Planner& p) {
         p.Start();
         BuildFromPictureMenu(p, "Северный ход", "Узел", "Ретранслятор", "Северный ход");
         ExpectBuiltProfileNamed(p, "Северный ход");
     }},
    {"profile built without a name is named by its sites",
     [](Planner& p) {
         p.Start();
         BuildFromPictureMenu(p, " ", "Узел", "Ретранслятор", "Узел - Ретранслятор");
         ExpectBuiltProfileNamed(p, "Узел - Ретранслятор");
     }},
    {"profile of another length: the antennas at its ends, the old results gone",
     [](Planner& p) {
         p.Start();
         auto* upDown3 = p.main().findChild<UpDown*>("UpDown3");
         upDown3->stepUp();  // antenna 1 off the start
         ASSERT_GT(p.model.antennas.position1, 0);
         p.model.resultPoints[kListB].count = 1;
         p.model.resultsLoaded = true;
         p.seam.files = {Q(VAKREL_EXAMPLES "/sets/troposcatter/prf.idn")};
         QTimer::singleShot(0, p.windows.form3.get(), [&] {
             p.windows.form3->findChild<QAction*>("N1")->trigger();
             p.seam.answers = {true, true};
             p.windows.form3->close();
         });
         p.main().findChild<QAction*>("N2")->trigger();
         EXPECT_EQ(p.seam.texts("Confirm"), (std::vector<std::string>{kOverwrite, kUse}));
         EXPECT_EQ(p.model.antennas.position1, 0);
         EXPECT_EQ(p.model.antennas.position2, 220);
         EXPECT_EQ(upDown3->position(), 0);
         EXPECT_EQ(p.main().findChild<UpDown*>("UpDown4")->position(), 22000);
         EXPECT_EQ(p.main().findChild<QLabel*>("Label7")->text(), QStringLiteral("220"));
         EXPECT_FALSE(p.model.resultsLoaded);
         EXPECT_EQ(p.model.resultPoints[kListB].count, 0);
     }},
    {"Open and a new run drop the old results",
     [](Planner& p) {
         p.Start();
         for (const char* button : {"Button3", "Button2"}) {
             p.model.resultPoints[kListB].count = 1;
             p.model.resultsLoaded = true;
             if (std::string(button) == "Button2") p.button("Button4").click();
             p.button(button).click();
             EXPECT_FALSE(p.model.resultsLoaded) << button;
             EXPECT_EQ(p.model.resultPoints[kListB].count, 0) << button;
         }
     }},
    {"example set laid out in a folder typed new, its parents made too",
     [](Planner& p) {
         std::filesystem::create_directory(p.dir.file("empty"));
         QDir::setCurrent(Q(p.dir.file("empty")));
         const std::string made = p.dir.file("new/example");
         p.seam.choices = {1};
         p.seam.files = {Q(made)};
         EXPECT_TRUE(OfferWorkingFolder(p.seam, nullptr, VAKREL_EXAMPLES));
         EXPECT_EQ(p.errors(), std::vector<std::string>{});
         EXPECT_EQ(QDir::currentPath().toStdString(), made);
         for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn", "prf.tip", "rrv.tip"})
             EXPECT_EQ(test::ReadSourceFile(made + "/" + name), Example(name)) << name;
     }},
    {"a folder that cannot be made is named, and the box comes back",
     [](Planner& p) {
         std::filesystem::create_directory(p.dir.file("empty"));
         QDir::setCurrent(Q(p.dir.file("empty")));
         const std::string under = p.dir.file("prf.idn/example");  // under a file
         p.seam.choices = {1};
         p.seam.files = {Q(under)};
         EXPECT_FALSE(OfferWorkingFolder(p.seam, nullptr, VAKREL_EXAMPLES));
         EXPECT_EQ(p.errors(), std::vector<std::string>{"Не удалось создать папку\n" + under});
         EXPECT_EQ(p.seam.texts("Choice").size(), 2u);
     }},
    {"conditions editor shows whole names and the file's units",
     [](Planner& p) {
         p.Start();
         TForm4& form = *p.windows.form4;
         form.show();
         StringGrid& grid = test::GridOf(form);
         const std::string file = p.dir.read("rrv.idn");
         LineReader lines(file);
         for (int line = 1; line < 15; ++line) lines.ReadLine();  // the parameters start on line 15
         for (int r = 1; r <= kConditionParams; ++r) {
             EXPECT_EQ(grid.cell(2, r), UnitOfLine(lines.ReadLine())) << r;
             EXPECT_FALSE(grid.cellTextCut(1, r)) << grid.cell(1, r).toStdString();
             EXPECT_FALSE(grid.cellTextCut(2, r)) << grid.cell(2, r).toStdString();
         }
         form.close();
         EXPECT_EQ(p.seam.texts("Confirm"), std::vector<std::string>{});
     }},
};

TEST(Frictions, EachStepAsThePlannerTakesIt) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.friction);
        Planner planner;
        row.run(planner);
    }
}

}  // namespace
}  // namespace vakrel
