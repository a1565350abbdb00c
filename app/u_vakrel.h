#pragma once
// The main window: the profile picture, the antenna controls and the commands.

#include <QString>
#include <QWidget>
#include <map>
#include <optional>
#include <string>

#include "engine_launch.h"
#include "folder_lock.h"
#include "hop_verdict.h"
#include "profile_plot.h"

class QAction;
class QImage;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace vakrel {

struct HopModel;
class IoError;
class ProfileView;
class UpDown;
class UserSeam;
struct Windows;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(HopModel& model, UserSeam& seam);

    // The other windows, created after this one; the commands show them.
    void setWindows(const Windows& windows) { windows_ = &windows; }

    // The first activation after start-up: runs LoadWorkingSet once. Later calls do nothing.
    void FormActivate();
    // Loads the working set of the current directory and sets up the controls; an input/output
    // error stops it and is shown to the user.
    void LoadWorkingSet();
    // Lays out the controls for the current client size and redraws the picture.
    void FormResize();
    // Draws the picture anew from the model and the display options.
    void DrawProfile();
    // Every change of the hop's data: the picture drawn anew, the calculation invalidated.
    void ModelChanged();
    // The picture as last drawn.
    const QImage& picture() const;
    // The picture for the printed report: drawn anew at the size of the window's picture, as
    // the window shows it but always with the scale. Null before a working set is loaded.
    QImage ReportPicture() const;
    // The engine's calculation for the placement on the screen, shown in the verdict strip.
    // Every change of the hop asks for it anew, after the picture: UpdateVerdict runs once the
    // events already waiting (the picture's repaint among them) are done.
    const HopVerdict& verdict() const { return verdict_; }
    void UpdateVerdict();
    // The calculate button back to its first state: disabled, "Расч", calculation pending.
    void InvalidateCalculation();

    // Whether another program holds the working folder, so that this one only shows the hop:
    // Save, "Подг" and "Расч" stay disabled and do nothing.
    bool viewOnly() const { return viewOnly_; }

    // How the picture is shown: the scale and its level lines.
    const PlotOptions& plotOptions() const { return plotOptions_; }

    // Whether a complete working set has been loaded. Until then the controls that need a
    // profile (the picture's clicks, the spin controls) do nothing.
    bool workingSetLoaded() const { return workingSetLoaded_; }

    // Cycles the display states: no scale, scale with straight level lines, scale with curved
    // level lines.
    void Image1Click();
    // A spin control has moved: antenna 1 height, antenna 2 height, antenna 1 position,
    // antenna 2 position.
    void UpDown1Click();
    void UpDown2Click();
    void UpDown3Click();
    void UpDown4Click();

    // The commands (u_vakrel_commands.cpp).
    void Button1Click();  // "Save": the placement on the screen becomes the source data
    void Button3Click();  // "Open": reload the profile and station files
    void Button4Click();  // "Подг": write the engine's buffer files
    void Button2Click();  // "Расч" starts the engine, "Рез" shows the report
    void N1Click();       // station characteristics editor
    void N2Click();       // terrain profile editor
    void N3Click();       // propagation conditions editor
    void N4Click();       // About
    void N6Click();       // save the picture as a bitmap
    void N7Click();       // the profile editor, building a profile from elevation rasters
    void N8Click();       // the hop at minimum k over the picture, on or off as the item is ticked
    void N9Click();       // the legend of the picture
    // The antenna heights (u_vakrel_heights.cpp): N10 (Ctrl+H) chooses among the three ways of
    // raising the antennas and sets the spin controls on the way's heights; N10undo (Ctrl+Z)
    // takes the last choice back, once.
    void N10Click();
    void N10undoClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The controls with their design-time look (u_vakrel_form.cpp).
    void CreateControls();
    void LayOutControls();
    // A spin control's step menu: three radio items, `ticked` the one in force.
    struct StepItem {
        const char* name;     // N011 ...
        const char* caption;  // "Шаг 0.1 м" ...
        int step;             // position units
    };
    QMenu* CreateStepMenu(const char* menuName, UpDown* control, const StepItem (&items)[3]);
    // N011Click ... N13Click: the control's step becomes the item's; the item is ticked.
    void StepClick(UpDown* control, QAction* item, int step);
    void SetLabelText(QLabel* label, const QString& text);
    void ShowDistance(double km);
    void HeightClick(UpDown* control, int param, QLabel* label);
    void ConnectCommands();
    void ConnectHeightCommands();
    // The spin controls' positions and the model's heights of both antennas (m, parameters 5
    // and 10), which may stand off the 0.1 m grid of the positions when read from the file.
    struct Heights {
        int position1;
        int position2;
        double height1;
        double height2;
    };
    // Puts the controls, the height labels and the model on `heights` and calls ModelChanged, as
    // spin clicks would.
    void SetHeights(const Heights& heights);
    // After the profile editor closed: its caption when it handed a profile over, and the
    // antennas brought into the profile as it now stands.
    void TakeEditedProfile();
    // Puts the controls on the model's heights and positions, the distance bounds on the
    // antennas and the profile's length `lengthKm`.
    void ShowHeights();
    void SetPositionBounds(double minimum1, double lengthKm);
    // Every step back to 1 m / 0.1 km with its middle menu item ticked.
    void ResetSteps();
    // Save and "Подг" need a whole hop to cut (HopRefusal). False, after telling the user why,
    // when there is none.
    bool HopToCut();
    // The error box of a command, with the working folder named when it has vanished.
    void ShowIoError(const IoError& error);
    // Takes the current directory as this program's working folder. When another program holds
    // it, the user chooses to view the hop only or to choose another folder; false when the
    // user closed the box (the window stays empty).
    bool TakeWorkingFolder();
    void SetViewOnly();
    // Asks for UpdateVerdict once the waiting events are done; many asks before it runs make one.
    void ScheduleVerdict();
    // Before a drawing of a changed hop: the calculation now when the picture shows the hop at
    // minimum k (it draws from it), otherwise after the picture.
    void VerdictForPicture();
    // The strip's text, cut with an ellipsis to the strip's width; the whole text is its tooltip.
    void ShowStripText(const QString& text);
    void FitStripText();
    // The strip's text: the readout of the point under the pointer while it is over the picture,
    // otherwise the verdict.
    void ShowStrip();
    void PointerMoved(QPoint at);
    void PointerLeft();
    // Tells the user that a write left `leftOut` profile points out of `fileName`.
    void TellLeftOut(int leftOut, const char* fileName);

    HopModel& model_;
    UserSeam& seam_;
    const Windows* windows_ = nullptr;
    bool activated_ = false;
    bool workingSetLoaded_ = false;
    bool viewOnly_ = false;
    FolderLock folderLock_;
    PlotOptions plotOptions_;  // the scale and its level lines, cycled by clicks on the picture
    // The hop at minimum k from the engine's last calculation; empty until one has given it.
    std::optional<MinimumKOverlay> minimumK_;
    EngineRun engine_;    // the engine started by the last "Расч"
    HopVerdict verdict_;  // the calculation for the placement on the screen
    bool verdictScheduled_ = false;
    ProfilePlot plot_;                      // what the last drawing left: its mapping to read distances
    std::optional<int> pointerColumn_;      // the picture's column under the pointer, while it is there
    std::map<int, QString> objectNames_;    // the object codes' names of prf.tip, read as the pointer comes
    std::optional<Heights> heightsBefore_;  // before the last choice of N10, until Ctrl+Z takes it back

    QLabel* Label1;  // the profile caption across the top
    QFrame* Bevel1;  // the frame around the picture
    ProfileView* Image1;
    QLabel* Panel1;        // the verdict strip above the controls
    QLabel* Label2;        // "Управление положением антенн"
    QLabel* Label3;        // "- Aнт1 -"
    QLabel* Label4;        // "- Aнт2 -"
    QLabel* Label5;        // antenna 1 height, m
    QLabel* Label6;        // antenna 2 height, m
    QLabel* Label7;        // distance between the antennas, km
    QLabel* Label8;        // "(м)"
    QLabel* Label9;        // "(м)"
    QLabel* Label10;       // "(км)"
    UpDown* UpDown1;       // antenna 1 height, 0.1 m
    UpDown* UpDown2;       // antenna 2 height, 0.1 m
    UpDown* UpDown3;       // antenna 1 position, 0.01 km
    UpDown* UpDown4;       // antenna 2 position, 0.01 km
    QPushButton* Button1;  // "Save"
    QPushButton* Button2;  // calculate: "Расч" / "Рез"
    QPushButton* Button3;  // "Open"
    QPushButton* Button4;  // "Подг"
    QMenu* PopupMenu1;     // the picture's source-data menu
    QMenu* PopupMenu2;     // step of UpDown1
    QMenu* PopupMenu3;     // step of UpDown2
    QMenu* PopupMenu4;     // step of UpDown3
    QMenu* PopupMenu5;     // step of UpDown4
};

}  // namespace vakrel
