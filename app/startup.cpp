#include "startup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "U_col.h"
#include "U_leg.h"
#include "U_prf.h"
#include "U_rez.h"
#include "U_rrv.h"
#include "U_spr.h"
#include "U_tip.h"
#include "U_ttx.h"
#include "u_vakrel.h"

namespace vakrel {

Windows::Windows() = default;
Windows::~Windows() = default;

void CreateWindows(Windows& w, HopModel& model, UserSeam& seam) {
    w.form1 = std::make_unique<TForm1>(model, seam);
    w.form2 = std::make_unique<TForm2>(model, seam);
    w.form3 = std::make_unique<TForm3>(model, seam);
    w.form4 = std::make_unique<TForm4>(model, seam);
    w.form5 = std::make_unique<TForm5>(model, seam);
    w.form6 = std::make_unique<TForm6>(model, seam);
    w.form7 = std::make_unique<TForm7>(model, seam);
    w.form8 = std::make_unique<TForm8>(model, seam);
    w.form9 = std::make_unique<TForm9>(model, seam);
    w.form1->setWindows(w);
    w.form3->setCodeReference(*w.form8);
    w.form4->setCodeReference(*w.form5);
    // The printed report shows the main window's picture with the results it has just read,
    // and always with its scale.
    w.form6->setPictureSource([form1 = w.form1.get()] { return form1->ReportPicture(); });
}

void ShowMainWindow(TForm1& form) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    form.resize(kMainRestoredWidth, kMainRestoredHeight);
    form.move(available.center() - form.rect().center());
    form.showMaximized();
    // A window manager answers the maximize request shortly; without one nobody does.
    QTimer::singleShot(300, &form, [&form, available] {
        if (form.frameGeometry().width() < available.width() || form.frameGeometry().height() < available.height())
            form.setGeometry(available);
    });
}

}  // namespace vakrel
