// The main window's choice of antenna heights: the three ways of raising the antennas offered in
// TForm10 for the placement on the screen, the chosen way's heights put on the spin controls, and
// the heights before the last choice taken back.

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "U_hgt.h"
#include "antenna_units.h"
#include "hop_model.h"
#include "locale_and_folder.h"
#include "u_vakrel.h"
#include "updown.h"
#include "user_seam.h"

namespace vakrel {

void TForm1::ConnectHeightCommands() {
    // Both are the window's own actions too, so that their keys work without the menu open.
    QAction* choose = PopupMenu1->findChild<QAction*>(QStringLiteral("N10"));
    choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(choose);
    connect(choose, &QAction::triggered, this, &TForm1::N10Click);
    auto* undo = new QAction(QStringLiteral("Вернуть прежние высоты антенн"), this);
    undo->setObjectName(QStringLiteral("N10undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(undo);
    connect(undo, &QAction::triggered, this, &TForm1::N10undoClick);
}

void TForm1::N10Click() {
    const QString title = QString::fromLatin1(kApplicationTitle);
    if (!workingSetLoaded_) {
        seam_.ShowError(this, title, QStringLiteral("Высоты антенн не подобрать: нет данных для построения профиля"));
        return;
    }
    if (verdictScheduled_) UpdateVerdict();  // the placement on the screen, not the one before the last move
    if (!verdict_.calculated()) {
        seam_.ShowError(this, title, QStringLiteral("Высоты антенн не подобрать: ") + verdict_.refusal);
        return;
    }
    TForm10 dialog(verdict_, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    const HeightOffer& way = *dialog.chosen();
    const auto within = [](const UpDown* control, int position) {
        return position >= control->minimum() && position <= control->maximum();
    };
    if (!within(UpDown1, way.position1) || !within(UpDown2, way.position2)) {
        seam_.ShowError(this, title,
                        QStringLiteral("Высоты %1 и %2 м регуляторы не покажут: антенна 1 от %3 до %4 м, "
                                       "антенна 2 от %5 до %6 м.")
                            .arg(GeneralText(HeightOf(way.position1)), GeneralText(HeightOf(way.position2)),
                                 GeneralText(HeightOf(UpDown1->minimum())), GeneralText(HeightOf(UpDown1->maximum())),
                                 GeneralText(HeightOf(UpDown2->minimum())), GeneralText(HeightOf(UpDown2->maximum()))));
        return;
    }
    heightsBefore_ =
        Heights{UpDown1->position(), UpDown2->position(), model_.antennaHeight1(), model_.antennaHeight2()};
    SetHeights({way.position1, way.position2, HeightOf(way.position1), HeightOf(way.position2)});
}

void TForm1::N10undoClick() {
    if (!heightsBefore_ || !workingSetLoaded_) return;
    const Heights before = *heightsBefore_;
    heightsBefore_.reset();
    SetHeights(before);
}

void TForm1::SetHeights(const Heights& heights) {
    UpDown1->setPosition(heights.position1);
    UpDown2->setPosition(heights.position2);
    model_.stationParam(kAntenna1HeightParam) = heights.height1;
    model_.stationParam(kAntenna2HeightParam) = heights.height2;
    SetLabelText(Label5, GeneralText(heights.height1));
    SetLabelText(Label6, GeneralText(heights.height2));
    ModelChanged();
}

}  // namespace vakrel
