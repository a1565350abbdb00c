// The legend window opened from the picture's menu: every object code's colour with the name
// the working folder's prf.tip gives it (the code alone without the file), and every line of
// the picture, each painted in its colour.

#include "U_leg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <algorithm>

#include "hop_model.h"
#include "profile_plot.h"
#include "scripted_seam.h"
#include "startup.h"
#include "temp_dir.h"
#include "u_vakrel.h"

namespace vakrel {
namespace {

TEST(Legend, OpensFromThePicturesMenuNamingEveryColourAndLine) {
    for (const bool withCodeText : {true, false}) {
        SCOPED_TRACE(withCodeText);
        test::TempDir dir;
        if (withCodeText) dir.write("prf.tip", test::Example("prf.tip"));
        HopModel model;
        model.workingDirectory = dir.path();
        test::ScriptedSeam seam;
        Windows windows;
        CreateWindows(windows, model, seam);
        TForm9& legend = *windows.form9;
        std::vector<LegendEntry> shown;
        QImage painted;
        QTimer::singleShot(0, &legend, [&] {
            if (!legend.isVisible()) return;
            shown = legend.entries();
            painted = legend.grab().toImage().convertToFormat(QImage::Format_RGB32);
            legend.close();
        });
        windows.form1->findChild<QAction*>(QStringLiteral("N9"))->trigger();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(legend.windowTitle(), QStringLiteral("Легенда"));

        auto entryOf = [&](const QString& start) {
            return std::find_if(shown.begin(), shown.end(),
                                [&](const LegendEntry& entry) { return entry.text.startsWith(start); });
        };
        const char* names[8] = {"лес, лесополоса",
                                "водная поверхность: река, озеро",
                                "застройка: поселок, город",
                                "песок, сухая почва, карьер",
                                "скальный грунт, камни",
                                "болото, заболоченная пойма",
                                "промышленные объекты, опоры ЛЭП",
                                "море, морское побережье"};
        for (int code = 1; code <= 8; ++code) {
            SCOPED_TRACE(code);
            const auto entry = entryOf(QStringLiteral("Код %1").arg(code));
            ASSERT_NE(entry, shown.end());
            EXPECT_EQ(entry->colour, ObjectColour(code));
            const QString named = QStringLiteral("Код %1 — ").arg(code) + QString::fromUtf8(names[code - 1]);
            EXPECT_EQ(entry->text, withCodeText ? named : QStringLiteral("Код %1").arg(code));
        }
        const std::pair<const char*, QColor> lines[] = {
            {"Земля", kGroundColour},
            {"Коды 9–255", ObjectColour(9)},
            {"Верх объектов (", kPlotBlack},
            {"Мачты антенн", kMastColour},
            {"Линия прямой видимости", kSightColour},
            {"Нижняя граница зоны минимального просвета", kClearanceColour},
            {"Верх объектов при k мин", kMinimumKColour},
            {"Критическая точка при k медианном", kMinimumKColour},
            {"Критическая точка при k мин", kMinimumKColour},
            {"A —", kResultColour},
            {"B —", kResultColour},
            {"C —", kResultColour},
        };
        for (const auto& [start, colour] : lines) {
            SCOPED_TRACE(start);
            const auto entry = entryOf(QString::fromUtf8(start));
            ASSERT_NE(entry, shown.end());
            EXPECT_EQ(entry->colour, colour);
        }
        // Every colour of the legend is painted in the window.
        for (const LegendEntry& entry : shown) {
            SCOPED_TRACE(entry.text.toStdString());
            bool found = false;
            for (int y = 0; y < painted.height() && !found; ++y)
                for (int x = 0; x < painted.width() && !found; ++x) found = painted.pixel(x, y) == entry.colour.rgb();
            EXPECT_TRUE(found);
        }
    }
}

}  // namespace
}  // namespace vakrel
