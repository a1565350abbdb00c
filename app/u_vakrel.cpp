#include "u_vakrel.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "antenna_units.h"
#include "code_reference.h"
#include "cursor_readout.h"
#include "editor_support.h"
#include "hop_model.h"
#include "io_error.h"
#include "number_format.h"
#include "profile_plot.h"
#include "profile_view.h"
#include "updown.h"
#include "user_seam.h"
#include "verdict_strip.h"
#include "working_folder.h"
#include "working_set.h"

namespace vakrel {

namespace {

// The verdict strip between the picture's frame and the controls: its height, and the room the
// frame gives up for it (the strip and a gap of 2 pixels).
constexpr int kStripHeight = 18;
constexpr int kStripRoom = kStripHeight + 2;

}  // namespace

TForm1::TForm1(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Расчет интервалов РРЛ(ТРЛ) "));
    CreateControls();
    ConnectCommands();
    ConnectHeightCommands();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window has just become the application's active window: load once the event that
    // shows it is done, so that an error box opens over a window that is already there.
    if (!activated_) QTimer::singleShot(0, this, &TForm1::FormActivate);
}

void TForm1::FormActivate() {
    if (activated_) return;
    activated_ = true;
    // A folder without a hop (the home folder, when started from the menu) is offered for a
    // better one first; closing that box leaves the window empty, with nothing more to report.
    if (!OfferWorkingFolder(seam_, this) || !TakeWorkingFolder()) return;
    LoadWorkingSet();
}

bool TForm1::TakeWorkingFolder() {
    enum Choice { kViewOnly = 0, kOtherFolder = 1 };
    while (!folderLock_.Take(CurrentDirectory())) {
        const QString text = QStringLiteral(
                                 "С папкой\n%1\nуже работает другая программа VAKREL (%2).\n\n"
                                 "Интервал можно открыть только для просмотра, без \"Подг\", \"Расч\" и сохранения, "
                                 "или выбрать другую папку.")
                                 .arg(ReadableBytes(CurrentDirectory()), folderLock_.Holder());
        const int choice = seam_.Choose(this, QString::fromLatin1(kApplicationTitle), text,
                                        {QStringLiteral("Только просмотр"), QStringLiteral("Другая папка...")});
        if (choice == kViewOnly) {
            SetViewOnly();
            return true;
        }
        if (choice != kOtherFolder) return false;
        if (const auto folder = seam_.ChooseFolder(this, QStringLiteral("Папка интервала"))) QDir::setCurrent(*folder);
        if (!OfferWorkingFolder(seam_, this)) return false;
    }
    return true;
}

void TForm1::SetViewOnly() {
    viewOnly_ = true;
    for (QPushButton* button : {Button1, Button2, Button4}) {
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("Только просмотр: с папкой работает другая программа"));
    }
}

void TForm1::LoadWorkingSet() {
    try {
        LoadWorkingFiles(model_, CurrentDirectory());
    } catch (const IoError& error) {
        ShowIoError(error);
        return;
    }
    const auto& a = model_.antennas;
    SetLabelText(Label1, ProfileCaption(model_.profile));

    for (UpDown* control : {UpDown1, UpDown2, UpDown3, UpDown4}) control->setIncrement(10);
    UpDown1->setPosition(PositionOf(model_.antennaHeight1(), kHeightUnitsPerMetre));
    UpDown2->setPosition(PositionOf(model_.antennaHeight2(), kHeightUnitsPerMetre));
    const int position1 = PositionOf(a.position1, kDistanceUnitsPerKm);
    const int position2 = PositionOf(a.position2, kDistanceUnitsPerKm);
    UpDown3->setPosition(position1);
    UpDown3->setMinimum(position1);
    UpDown3->setMaximum(position2 - (position2 > INT_MIN ? 1 : 0));
    UpDown4->setPosition(position2);
    UpDown4->setMinimum(position1 + (position1 < INT_MAX ? 1 : 0));
    UpDown4->setMaximum(position2);

    SetLabelText(Label5, GeneralText(model_.antennaHeight1()));
    SetLabelText(Label6, GeneralText(model_.antennaHeight2()));
    SetLabelText(Label7, GeneralText(static_cast<double>(static_cast<long double>(a.position2) - a.position1)));

    plotOptions_.scaleShown = plotOptions_.curvedLevels = false;  // the minimum k stays as its item is ticked
    workingSetLoaded_ = true;
    VerdictForPicture();
    FormResize();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize() {
    LayOutControls();
    DrawProfile();
}

// Absolute places, from the client size; labels keep the width of their text.
void TForm1::LayOutControls() {
    const int CW = width();
    const int CH = height();
    const int half = CW / 2;
    auto w = [](const QWidget* control) { return control->width(); };

    Label1->setGeometry(0, 0, CW, Label1->sizeHint().height());
    Bevel1->setGeometry(8, 16, std::max(CW - 16, 0), std::max(CH - 70 - kStripRoom, 0));
    Image1->setGeometry(Bevel1->x() + 4, Bevel1->y() + 4, std::max(Bevel1->width() - 8, 0),
                        std::max(Bevel1->height() - 8, 0));
    Panel1->setGeometry(8, CH - 54 - kStripHeight, std::max(CW - 16, 0), kStripHeight);
    FitStripText();
    // Left of the middle: antenna 1. Right of it: antenna 2.
    const int left3 = w(UpDown3) + 24 + w(Label3);
    const int right4 = w(UpDown4) + 24 + w(Label4);
    Label2->move(half - w(Label2) / 2, CH - 52);
    Label3->move(half - left3, CH - 30);
    Label4->move(half + w(UpDown4) + 24, CH - 30);
    Label5->move(half - (left3 + w(UpDown1) + w(Label5) + 12), CH - 47);
    Label6->move(half + right4 + w(UpDown2) + 4, CH - 47);
    Label7->move(half - w(Label7) / 2, CH - 32);
    Label8->move(half - (left3 + w(UpDown1) + w(Label8) + 8), CH - 32);
    Label9->move(half + right4 + w(UpDown2) + 8, CH - 32);
    Label10->move(half - w(Label10) / 2, CH - 20);
    UpDown1->move(half - (left3 + w(UpDown1)), CH - 47);
    UpDown2->move(half + right4, CH - 47);
    UpDown3->move(half - (w(UpDown3) + 24), CH - 30);
    UpDown4->move(half + 24, CH - 30);
    Button1->move(half - 175, CH - 22);
    Button2->move(half + 143, CH - 22);
    Button3->move(half - 175, CH - 47);
    Button4->move(half + 143, CH - 47);
}

void TForm1::DrawProfile() {
    Image1->FitImage();
    if (!workingSetLoaded_) {
        // Nothing loaded yet: the box at start-up has said why; the picture does not repeat it.
        Image1->image().fill(Qt::white);
        Image1->update();
        return;
    }
    plot_ = vakrel::DrawProfile(model_, plotOptions_, Image1->image(), LocaleSeparator(),
                                minimumK_ ? &*minimumK_ : nullptr);
    Image1->update();
}

QImage TForm1::ReportPicture() const {
    if (!workingSetLoaded_) return {};
    QImage image(Image1->image().size(), QImage::Format_RGB32);
    PlotOptions options = plotOptions_;
    options.scaleShown = true;
    vakrel::DrawProfile(model_, options, image, LocaleSeparator(), minimumK_ ? &*minimumK_ : nullptr);
    return image;
}

void TForm1::ModelChanged() {
    VerdictForPicture();
    DrawProfile();
    InvalidateCalculation();
}

void TForm1::VerdictForPicture() {
    if (plotOptions_.minimumKShown)
        UpdateVerdict();
    else
        ScheduleVerdict();
}

void TForm1::ScheduleVerdict() {
    if (verdictScheduled_) return;
    verdictScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (verdictScheduled_) UpdateVerdict();
    });
}

void TForm1::UpdateVerdict() {
    verdictScheduled_ = false;
    if (!workingSetLoaded_) return;
    verdict_ = CalculateHopVerdict(model_);
    minimumK_ = MinimumKOverlayOf(verdict_, model_.antennas.position1);
    ShowStrip();
}

void TForm1::ShowStrip() {
    QString text;
    if (pointerColumn_ && plot_.drawn) {
        const PlotMapping& map = plot_.mapping;
        const double xKm = static_cast<double>((static_cast<long double>(*pointerColumn_) - map.left) / map.kx);
        text = CursorReadout(model_, verdict_, objectNames_, xKm);
    }
    ShowStripText(text.isEmpty() ? VerdictStripText(verdict_) : text);
}

void TForm1::PointerMoved(QPoint at) {
    if (!workingSetLoaded_) return;
    if (!pointerColumn_) objectNames_ = ReadObjectCodeNames(model_.workingDirectory);
    pointerColumn_ = at.x();
    ShowStrip();
}

void TForm1::PointerLeft() {
    pointerColumn_.reset();
    if (workingSetLoaded_) ShowStrip();
}

void TForm1::ShowStripText(const QString& text) {
    Panel1->setToolTip(text);
    FitStripText();
}

void TForm1::FitStripText() {
    const int room = Panel1->contentsRect().width() - 2 * Panel1->indent();
    Panel1->setText(Panel1->fontMetrics().elidedText(Panel1->toolTip(), Qt::ElideRight, std::max(room, 0)));
}

const QImage& TForm1::picture() const { return Image1->image(); }

void TForm1::InvalidateCalculation() {
    Button2->setEnabled(false);
    model_.launchPending = true;
    Button2->setText(QStringLiteral("Расч"));
    Button2->setToolTip(QStringLiteral("Расчет"));
}

void TForm1::Image1Click() {
    if (!workingSetLoaded_) return;
    auto& o = plotOptions_;
    if (!o.scaleShown) {
        o.scaleShown = true;
        o.curvedLevels = false;
    } else if (!o.curvedLevels) {
        o.curvedLevels = true;
    } else {
        o.scaleShown = false;
        o.curvedLevels = false;
    }
    DrawProfile();
}

void TForm1::HeightClick(UpDown* control, int param, QLabel* label) {
    if (!workingSetLoaded_) return;
    const double height = HeightOf(control->position());
    model_.stationParam(param) = height;
    SetLabelText(label, GeneralText(height));
    ModelChanged();
}

void TForm1::UpDown1Click() { HeightClick(UpDown1, kAntenna1HeightParam, Label5); }

void TForm1::UpDown2Click() { HeightClick(UpDown2, kAntenna2HeightParam, Label6); }

void TForm1::UpDown3Click() {
    if (!workingSetLoaded_) return;
    const int position = UpDown3->position();
    model_.antennas.position1 = DistanceOf(position);
    UpDown4->setMinimum(position + 1);
    ShowDistance(RoundedDistance(model_.antennas.position1, model_.antennas.position2));
    ModelChanged();
}

void TForm1::UpDown4Click() {
    if (!workingSetLoaded_) return;
    const int position = UpDown4->position();
    model_.antennas.position2 = DistanceOf(position);
    UpDown3->setMaximum(position - 1);
    ShowDistance(RoundedDistance(model_.antennas.position1, model_.antennas.position2));
    ModelChanged();
}

void TForm1::ShowDistance(double km) { SetLabelText(Label7, GeneralText(km)); }

// A label sizes itself to its text; the layout then places it again, so that a longer number
// does not run into the arrows beside it.
void TForm1::SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    LayOutControls();
}

void TForm1::StepClick(UpDown* control, QAction* item, int step) {
    control->setIncrement(step);
    item->setChecked(true);
}

}  // namespace vakrel
