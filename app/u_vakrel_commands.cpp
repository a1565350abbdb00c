// The main window's commands: Save, Open, the calculation buttons and the picture's menu.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <optional>

#include "U_leg.h"
#include "U_prf.h"
#include "U_rez.h"
#include "U_rrv.h"
#include "U_spr.h"
#include "U_ttx.h"
#include "antenna_units.h"
#include "buffer_files.h"
#include "editor_support.h"
#include "engine_launch.h"
#include "hop_model.h"
#include "hop_refusal.h"
#include "io_error.h"
#include "number_format.h"
#include "picture_file.h"
#include "profile_view.h"
#include "source_data_save.h"
#include "startup.h"
#include "u_vakrel.h"
#include "updown.h"
#include "user_seam.h"
#include "working_set.h"

namespace vakrel {

namespace {

double ProfileLength(const HopModel& model) {
    return model.profile.points.empty() ? 0.0 : model.profile.points.back().distance;
}

void BackToWorkingDirectory(const HopModel& model) { QDir::setCurrent(QString::fromStdString(model.workingDirectory)); }

}  // namespace

void TForm1::ConnectCommands() {
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    const std::pair<const char*, void (TForm1::*)()> items[] = {
        {"N1", &TForm1::N1Click}, {"N2", &TForm1::N2Click}, {"N3", &TForm1::N3Click}, {"N4", &TForm1::N4Click},
        {"N6", &TForm1::N6Click}, {"N7", &TForm1::N7Click}, {"N8", &TForm1::N8Click}, {"N9", &TForm1::N9Click},
    };
    for (const auto& [name, handler] : items)
        connect(PopupMenu1->findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
}

void TForm1::ShowHeights() {
    UpDown1->setPosition(PositionOf(model_.antennaHeight1(), kHeightUnitsPerMetre));
    UpDown2->setPosition(PositionOf(model_.antennaHeight2(), kHeightUnitsPerMetre));
    SetLabelText(Label5, GeneralText(model_.antennaHeight1()));
    SetLabelText(Label6, GeneralText(model_.antennaHeight2()));
}

void TForm1::SetPositionBounds(double minimum1, double lengthKm) {
    const auto& a = model_.antennas;
    UpDown3->setMinimum(PositionOf(minimum1, kDistanceUnitsPerKm));
    UpDown3->setMaximum(PositionOf(a.position2, kDistanceUnitsPerKm) - 1);
    UpDown4->setMinimum(PositionOf(a.position1, kDistanceUnitsPerKm) + 1);
    UpDown4->setMaximum(PositionOf(lengthKm, kDistanceUnitsPerKm));
    UpDown3->setPosition(PositionOf(a.position1, kDistanceUnitsPerKm));
    UpDown4->setPosition(PositionOf(a.position2, kDistanceUnitsPerKm));
}

void TForm1::ResetSteps() {
    for (UpDown* control : {UpDown1, UpDown2, UpDown3, UpDown4}) control->setIncrement(10);
    for (const char* middle : {"N11", "N14", "N012", "N013"})
        findChild<QAction*>(QString::fromLatin1(middle))->setChecked(true);
}

void TForm1::ShowIoError(const IoError& error) { seam_.ShowIoError(this, error, model_.workingDirectory); }

bool TForm1::HopToCut() {
    const auto why = workingSetLoaded_ ? HopRefusal(model_) : QStringLiteral("Нет данных для построения профиля");
    if (!why) return true;
    seam_.ShowError(this, QString::fromLatin1(kApplicationTitle), QStringLiteral("Профиль не построен: ") + *why);
    return false;
}

void TForm1::TellLeftOut(int leftOut, const char* fileName) {
    if (leftOut == 0) return;
    seam_.ShowError(this, QString::fromLatin1(kApplicationTitle),
                    QStringLiteral("В файл %1 не записаны точки профиля, которые при точности файла 0.01 км "
                                   "совпали бы с соседними: %2.")
                        .arg(QString::fromLatin1(fileName))
                        .arg(leftOut));
}

void TForm1::Button1Click() {
    if (viewOnly_ || !HopToCut()) return;
    if (!seam_.Warn(this, QStringLiteral("Сохранение новых данных уничтожит старые !\nПродолжать ?"))) return;
    try {
        TellLeftOut(SaveCutAsSourceData(model_), kWorkingProfile);
    } catch (const IoError& error) {
        ShowIoError(error);
    }
}

void TForm1::Button3Click() {
    // Both files are read into a copy first: a failure leaves the model, the controls and the
    // picture as they were, so that no profile of one Open meets the stations of another.
    HopModel reloaded = model_;
    try {
        LoadWorkingProfile(reloaded);
        reloaded.antennas.position1 = 0;
        reloaded.antennas.position2 = ProfileLength(reloaded);
        LoadWorkingStation(reloaded);
        reloaded.DropResults();
    } catch (const IoError& error) {
        ShowIoError(error);
        return;
    }
    model_ = std::move(reloaded);
    heightsBefore_.reset();  // the file's heights now; Ctrl+Z does not bring older ones back
    ResetSteps();
    SetPositionBounds(model_.antennas.position1, model_.antennas.position2);
    ShowHeights();
    SetLabelText(Label7, GeneralText(model_.antennas.position2 - model_.antennas.position1));
    SetLabelText(Label1, QStringLiteral("Профиль местности"));
    plotOptions_.scaleShown = plotOptions_.curvedLevels = false;  // the minimum k stays as its item is ticked
    workingSetLoaded_ = true;
    ModelChanged();
}

void TForm1::Button4Click() {
    if (viewOnly_ || !HopToCut()) return;
    int leftOut = 0;
    try {
        leftOut = WriteBufferFiles(model_);
    } catch (const IoError& error) {
        ShowIoError(error);
        return;
    }
    TellLeftOut(leftOut, kBufferProfile);
    Button2->setEnabled(true);
    model_.launchPending = true;
    Button2->setText(QStringLiteral("Расч"));
    Button2->setToolTip(QStringLiteral("Расчет"));
}

void TForm1::Button2Click() {
    if (viewOnly_) return;
    if (model_.launchPending) {
        try {
            engine_.Start(seam_, QString::fromStdString(model_.workingDirectory));
        } catch (const IoError& error) {
            ShowIoError(error);  // the old results could not be removed: nothing started
            return;
        }
        model_.launchPending = false;
        model_.DropResults();
        Button2->setText(QStringLiteral("Рез"));
        Button2->setToolTip(QStringLiteral("Результаты"));
        return;
    }
    if (const auto why = engine_.ResultsRefusal()) {
        seam_.ShowError(this, QString::fromLatin1(kApplicationTitle), *why);
        return;
    }
    windows_->form6->exec();
    DrawProfile();
}

void TForm1::N1Click() {
    windows_->form2->exec();
    heightsBefore_.reset();  // the editor may have set the heights
    ShowHeights();
    ModelChanged();
}

void TForm1::N2Click() {
    windows_->form3->exec();
    TakeEditedProfile();
}

void TForm1::N7Click() {
    windows_->form3->ExecBuildingFromRasters();
    TakeEditedProfile();
}

void TForm1::TakeEditedProfile() {
    if (windows_->form3->profileHandedOver()) SetLabelText(Label1, windows_->form3->profileCaption());
    auto& a = model_.antennas;
    const double length = ProfileLength(model_);
    if (a.position2 > length) a.position2 = length;
    if (a.position1 >= a.position2) a.position1 = static_cast<double>(static_cast<long double>(a.position2) - 0.01L);
    if (!(a.position1 >= 0)) a.position1 = 0;
    SetPositionBounds(0, length);
    ShowDistance(RoundedDistance(a.position1, a.position2));
    ModelChanged();
}

void TForm1::N3Click() {
    windows_->form4->exec();
    DeriveModelEarthRadius(model_);
    ModelChanged();
}

void TForm1::N4Click() { windows_->form7->exec(); }

void TForm1::N8Click() {
    plotOptions_.minimumKShown = PopupMenu1->findChild<QAction*>(QStringLiteral("N8"))->isChecked();
    if (verdictScheduled_) UpdateVerdict();  // the picture shows the hop at minimum k of this placement
    DrawProfile();
}

void TForm1::N9Click() { windows_->form9->exec(); }

void TForm1::N6Click() {
    const auto path = seam_.ChooseFile(
        this, {true, QStringLiteral("Сохранение изображения профиля в графическом файле"),
               QStringLiteral("Графические файлы (*.bmp)"), QStringLiteral("bmp"), QStringLiteral("vakrel_w")});
    if (!path) return;
    std::optional<IoError> failure;
    try {
        SavePictureAsBmp(Image1->image(), path->toStdString());
    } catch (const IoError& error) {
        failure = error;
    }
    BackToWorkingDirectory(model_);
    if (failure) ShowIoError(*failure);
}

}  // namespace vakrel
