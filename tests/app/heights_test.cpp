// The choice of antenna heights against the real engine: for every example set, the dialog offers
// the heights vakrel.exe --heights writes for the buffer files of the same placement, a way the
// report has no heights for cannot be chosen, and a way chosen moves the spin controls and the
// model as clicks would and meets the criterion; Ctrl+Z takes it back once.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <optional>

#include "U_hgt.h"
#include "antenna_units.h"
#include "locale_and_folder.h"
#include "planner.h"
#include "rez_lines.h"
#include "updown.h"

namespace vakrel {
namespace {

// The value of coded line `code` in the report's bytes; none when the report has no such line.
std::optional<double> CodedIn(const std::string& rez, int code) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "\n  %3d ", code);
    const std::size_t at = rez.find(prefix);
    if (at == std::string::npos) return std::nullopt;
    return std::stod(rez.substr(at + 1 + kRezValueColumn, kRezValueWidth));
}

std::string CodedText(const RezText& report, int code) {
    for (const CodedValue& v : report.values())
        if (v.code == code) return Trimmed(FormatCodedValue(v.value));
    return "no code " + std::to_string(code);
}

// What the dialog showed on the row of one way, and whether it could be chosen there.
struct Row {
    bool shown = false;
    bool selectable = false;
    bool applyEnabled = false;
    QStringList cells;
};

// Ctrl+H in the main window; on the dialog's row `row` "Применить" is pressed when it is enabled,
// else the dialog is closed.
// A key in the main window as the active window; the offscreen platform gives the activation
// back to no window when a dialog closes.
void Press(Planner& p, int key) {
    QApplication::setActiveWindow(&p.main());
    QTest::keyClick(&p.main(), static_cast<Qt::Key>(key), Qt::ControlModifier);
}

Row ChooseWith(Planner& p, int row) {
    Row seen;
    QTimer::singleShot(0, &p.main(), [&] {
        auto* dialog = p.main().findChild<TForm10*>(QStringLiteral("TForm10"));
        if (!dialog || !dialog->isVisible()) return;
        seen.shown = true;
        auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("Table1"));
        seen.selectable = table->item(row, 0)->flags().testFlag(Qt::ItemIsSelectable);
        for (int column = 0; column < table->columnCount(); ++column)
            seen.cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        table->selectRow(row);
        auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("Button1"));
        seen.applyEnabled = apply->isEnabled();
        if (seen.applyEnabled)
            apply->click();
        else
            dialog->reject();
    });
    Press(p, Qt::Key_H);
    QCoreApplication::processEvents();  // the dialog's timer gone when no dialog opened
    return seen;
}

TEST(HeightChoice, OffersTheEnginesHeightsAndAppliesEachForEveryExampleSet) {
    // set, and how many metres both antennas are lowered from the file's heights first.
    const std::pair<const char*, int> sets[] = {
        {"", 0}, {"", 15}, {"sets/reflection/", 15}, {"sets/closed/", 0}, {"sets/troposcatter/", 0}};
    for (const auto& [set, lowered] : sets) {
        SCOPED_TRACE(std::string(set) + " lowered by " + std::to_string(lowered));
        Planner p;
        for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) p.dir.write(name, Example(std::string(set) + name));
        p.Start();
        auto* upDown1 = p.main().findChild<UpDown*>("UpDown1");
        auto* upDown2 = p.main().findChild<UpDown*>("UpDown2");
        for (int i = 0; i < lowered; ++i) {
            upDown1->stepDown();
            upDown2->stepDown();
        }
        p.button("Button4").click();  // buf.prf and buf.ttx of the placement on the screen
        QProcess engine;
        engine.setWorkingDirectory(QString::fromStdString(p.dir.path()));
        engine.start(QStringLiteral(VAKREL_BIN_DIR "/vakrel.exe"), {"buf.prf", "buf.ttx", "--heights"});
        ASSERT_TRUE(engine.waitForFinished(20000));
        ASSERT_EQ(engine.exitCode(), 0);
        const std::string rez = p.dir.read("vakrel.rez");

        const int position1 = upDown1->position(), position2 = upDown2->position();
        const double height1 = p.model.antennaHeight1(), height2 = p.model.antennaHeight2();
        for (int way = 0; way < 3; ++way) {
            SCOPED_TRACE(way);
            const std::optional<double> tx = CodedIn(rez, 232 + 2 * way), rx = CodedIn(rez, 233 + 2 * way);
            const Row row = ChooseWith(p, way);
            ASSERT_TRUE(row.shown);
            EXPECT_EQ(row.selectable, tx.has_value());
            EXPECT_EQ(row.applyEnabled, tx.has_value());
            if (!tx) {
                EXPECT_TRUE(row.cells[1].startsWith(QStringLiteral("Нет решения: "))) << row.cells[1].toStdString();
                EXPECT_EQ(upDown1->position(), position1);
                EXPECT_DOUBLE_EQ(p.model.antennaHeight2(), height2);
                continue;
            }
            EXPECT_EQ(row.cells[1].toStdString(), Printf("%.1f", *tx));
            EXPECT_EQ(row.cells[2].toStdString(), Printf("%.1f", *rx));
            EXPECT_EQ(row.cells[0].endsWith(QStringLiteral("нынешние")), *tx == height1 && *rx == height2);

            // Set as clicks would set them, and the new placement meets what the way was found for.
            const int chosen1 = static_cast<int>(std::lround(*tx * 10)),
                      chosen2 = static_cast<int>(std::lround(*rx * 10));
            EXPECT_EQ(upDown1->position(), chosen1);
            EXPECT_EQ(upDown2->position(), chosen2);
            EXPECT_DOUBLE_EQ(p.model.antennaHeight1(), HeightOf(chosen1));
            EXPECT_DOUBLE_EQ(p.model.antennaHeight2(), HeightOf(chosen2));
            EXPECT_EQ(p.main().findChild<QLabel*>("Label6")->text(), GeneralText(HeightOf(chosen2)));
            QCoreApplication::processEvents();
            const HopVerdict& verdict = p.main().verdict();
            ASSERT_TRUE(verdict.calculated());
            EXPECT_TRUE(verdict.result.minimumK.met);
            EXPECT_TRUE(verdict.result.reliability.met);
            EXPECT_EQ(row.cells[3].toStdString(), CodedText(verdict.report, 32));
            EXPECT_EQ(row.cells[4].toStdString(), CodedText(verdict.report, 44));

            // Ctrl+Z: the heights before; a second one after another move takes nothing back.
            Press(p, Qt::Key_Z);
            EXPECT_EQ(upDown1->position(), position1);
            EXPECT_EQ(upDown2->position(), position2);
            EXPECT_DOUBLE_EQ(p.model.antennaHeight1(), height1);
            EXPECT_DOUBLE_EQ(p.model.antennaHeight2(), height2);
            EXPECT_EQ(p.main().findChild<QLabel*>("Label5")->text(), GeneralText(height1));
            upDown2->stepUp();
            Press(p, Qt::Key_Z);
            EXPECT_EQ(upDown2->position(), position2 + 10);
            upDown2->stepDown();
        }
    }
}

TEST(HeightChoice, AHopWithoutCalculationIsToldInsteadOfOffered) {
    Planner p;
    p.dir.write("rrv.idn", ConditionsWithoutRadius());
    p.Start();
    QCoreApplication::processEvents();
    const QString refusal = p.main().verdict().refusal;
    ASSERT_FALSE(refusal.isEmpty());
    const std::size_t before = p.errors().size();
    const Row row = ChooseWith(p, 0);
    EXPECT_FALSE(row.shown);
    ASSERT_EQ(p.errors().size(), before + 1);
    EXPECT_EQ(p.seam.events.back().caption, "VAKREL");
    EXPECT_EQ(p.errors().back(), "Высоты антенн не подобрать: " + refusal.toStdString());
}

}  // namespace
}  // namespace vakrel
