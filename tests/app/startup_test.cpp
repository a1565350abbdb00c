#include "startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include "U_col.h"
#include "U_leg.h"
#include "U_prf.h"
#include "U_rez.h"
#include "U_rrv.h"
#include "U_spr.h"
#include "U_tip.h"
#include "U_ttx.h"
#include "hop_model.h"
#include "scripted_seam.h"
#include "u_vakrel.h"

namespace vakrel {
namespace {

TEST(StartUp, NineWindowsInOrderMainWindowMaximized) {
    HopModel model;
    test::ScriptedSeam seam;
    Windows windows;
    CreateWindows(windows, model, seam);

    const QWidget* forms[] = {windows.form1.get(), windows.form2.get(), windows.form3.get(),
                              windows.form4.get(), windows.form5.get(), windows.form6.get(),
                              windows.form7.get(), windows.form8.get(), windows.form9.get()};
    const char* captions[] = {
        "Расчет интервалов РРЛ(ТРЛ) ",
        "Исходные данные о РРС(ТРС)",
        "Исходные данные о профиле местности",
        "Исходные данные об условиях РРВ",
        "Коды типовых характеристик условий РРВ",
        "Результаты расчета интервала РРЛ",
        "О программе",
        "Справка",
        "Легенда",
    };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(forms[i]->objectName(), QStringLiteral("TForm%1").arg(i + 1));
        EXPECT_EQ(forms[i]->windowTitle(), QString::fromUtf8(captions[i]));
        EXPECT_FALSE(forms[i]->isVisible());
        if (i > 0) {
            EXPECT_TRUE(qobject_cast<const QDialog*>(forms[i])->isModal());
        }
    }

    ShowMainWindow(*windows.form1);
    EXPECT_TRUE(windows.form1->isVisible());
    EXPECT_TRUE(windows.form1->isMaximized());
    EXPECT_EQ(windows.form1->normalGeometry().size(), QSize(kMainRestoredWidth, kMainRestoredHeight));
    for (int i = 1; i < 9; ++i) EXPECT_FALSE(forms[i]->isVisible());
    // The model starts empty: no profile, every flag down.
    EXPECT_EQ(model.pointCount(), 0);
    EXPECT_FALSE(model.launchPending || model.resultsLoaded);
    EXPECT_FALSE(windows.form1->plotOptions().scaleShown || windows.form1->plotOptions().curvedLevels);
}

}  // namespace
}  // namespace vakrel
