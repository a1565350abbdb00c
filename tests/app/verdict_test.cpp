// The main window's own calculation against the real engine: for every example set, with the
// antennas moved off their loaded places, the window computes in process the report vakrel.exe
// writes for the buffer files of the same placement, the verdict strip shows its numbers and the
// picture, when asked, the hop at k_e.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>

#include <QMouseEvent>

#include "codepage.h"
#include "cursor_readout.h"
#include "hop_verdict.h"
#include "planner.h"
#include "profile_plot.h"
#include "profile_view.h"
#include "rez_lines.h"
#include "updown.h"
#include "verdict_strip.h"

namespace vakrel {
namespace {

// Presses "Рез" until the engine's run has ended and its report shows.
bool WaitForResults(Planner& p) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        QCoreApplication::processEvents();
        if (p.PressResults()) return true;
        QThread::msleep(20);
    }
    return false;
}

// The value field of coded line `code` in the report's bytes, without its blanks.
std::string FieldOf(const std::string& rez, int code) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "\n  %3d ", code);
    const std::size_t at = rez.find(prefix);
    if (at == std::string::npos) return "no code " + std::to_string(code);
    return Trimmed(rez.substr(at + 1 + kRezValueColumn, kRezValueWidth));
}

// The two F1 fractions of the report's clearance line "... есть X F1 и Y F1."
std::pair<std::string, std::string> FractionsOf(const std::string& rezUtf8) {
    const std::size_t at = rezUtf8.find("есть ");
    if (at == std::string::npos) return {"none", "none"};
    const std::size_t first = at + std::string("есть ").size();
    const std::size_t and_ = rezUtf8.find(" F1 и ", first);
    const std::size_t second = and_ + std::string(" F1 и ").size();
    return {rezUtf8.substr(first, and_ - first), rezUtf8.substr(second, rezUtf8.find(" F1.", second) - second)};
}

int CountOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(VerdictStrip, EqualsTheEnginesReportForEveryExampleSet) {
    for (const char* set : {"", "sets/reflection/", "sets/closed/", "sets/troposcatter/"}) {
        SCOPED_TRACE(set);
        Planner p;
        for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) p.dir.write(name, Example(std::string(set) + name));
        p.seam.startForReal = true;
        p.Start();
        auto* upDown2 = p.main().findChild<UpDown*>("UpDown2");
        auto* upDown3 = p.main().findChild<UpDown*>("UpDown3");
        upDown2->stepUp();
        upDown2->stepUp();
        upDown3->stepUp();
        QCoreApplication::processEvents();
        const HopVerdict& verdict = p.main().verdict();
        ASSERT_TRUE(verdict.calculated()) << verdict.refusal.toStdString();

        // "Просвет при k мин" draws the hop at k_e of this calculation over the picture, and only then.
        const QImage plain = p.picture();
        QAction* minimumK = p.main().findChild<QAction*>("N8");
        minimumK->trigger();
        EXPECT_GT(CountOf(p.picture(), kMinimumKColour), 0);
        minimumK->trigger();
        EXPECT_EQ(p.picture(), plain);

        p.button("Button4").click();
        p.button("Button2").click();
        ASSERT_TRUE(WaitForResults(p));
        const std::string rez = p.dir.read("vakrel.rez");
        EXPECT_EQ(verdict.report.bytes(), rez);  // every line, every coded value

        const std::string strip = p.main().findChild<QLabel*>("Panel1")->toolTip().toStdString();
        const auto [median, minimum] = FractionsOf(Cp866ToUtf8(rez));
        for (const std::string& part :
             {median + " F1 на " + FieldOf(rez, 8) + " км", minimum + " F1 на " + FieldOf(rez, 219) + " км",
              "запас " + FieldOf(rez, 32) + " дБ", "перерыв за год " + FieldOf(rez, 44) + " %",
              "надежность " + FieldOf(rez, 47) + " % при требуемой " + FieldOf(rez, 46) + " %"})
            EXPECT_NE(strip.find(part), std::string::npos) << part << " not in " << strip;
        EXPECT_EQ(strip.find("P.530 выполнен") != std::string::npos, FieldOf(rez, 221) == "1.000") << strip;
    }
}

// The bundled hop, 42 km: at 3.1 km a settlement of 12 m (code 3 on 2.0-4.0 km), named by prf.tip.
TEST(VerdictStrip, ReadsThePointUnderThePointer) {
    Planner p;
    p.dir.write("prf.tip", Example("prf.tip"));
    p.Start();
    QCoreApplication::processEvents();
    auto* strip = p.main().findChild<QLabel*>("Panel1");
    auto* view = p.main().findChild<ProfileView*>("Image1");
    const double kx = view->width() / 42.0;
    auto moveTo = [&](int column) {
        QMouseEvent move(QEvent::MouseMove, QPointF(column, 100), view->mapToGlobal(QPointF(column, 100)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
        return strip->toolTip().toStdString();
    };
    const int column = static_cast<int>(3.1 * kx);
    const std::string readout = moveTo(column);
    EXPECT_EQ(readout.rfind(Printf("%.2f км | земля ", column / kx), 0), 0u) << readout;
    EXPECT_NE(readout.find("| застройка: поселок, город 12.0 м | просвет "), std::string::npos) << readout;
    EXPECT_NE(moveTo(static_cast<int>(1.1 * kx)).find("| без объектов |"), std::string::npos);

    // At the critical points the readout gives the clearances the report gives.
    const HopVerdict& verdict = p.main().verdict();
    const MinimumKResult& m = verdict.result.minimumK;
    EXPECT_NE(CursorReadout(p.model, verdict, {}, verdict.result.geometry.critical.distanceKm)
                  .toStdString()
                  .find(Printf("просвет %.2f F1 при k,", m.medianInF1)),
              std::string::npos);
    EXPECT_NE(CursorReadout(p.model, verdict, {}, m.geometry.critical.distanceKm)
                  .toStdString()
                  .find(Printf("%.2f F1 при k_e", m.minimumInF1)),
              std::string::npos);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view, &leave);
    EXPECT_EQ(strip->toolTip(), VerdictStripText(verdict));
}

}  // namespace
}  // namespace vakrel
