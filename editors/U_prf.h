#pragma once
// The terrain profile editor. Each showing opens the working file prf.idn; closing offers to
// save the changes, to overwrite the working file and to hand the profile over to the hop
// model. Its file menu also builds a profile from elevation rasters, through vakrel-profile.

#include <QTemporaryDir>
#include <memory>

#include "profile_file.h"
#include "source_editor.h"

namespace vakrel {

struct HopModel;
class TForm8;
class ElevationProfileDialog;

class TForm3 : public SourceEditor {
    Q_OBJECT
public:
    TForm3(HopModel& model, UserSeam& seam);

    // The object type codes window that a double click on the grid shows; created after this one.
    void setCodeReference(TForm8& window) { codeReference_ = &window; }

    // Whether the last closing handed the profile over to the model (its points and header
    // line 3 were replaced). Cleared by every opening.
    bool profileHandedOver() const { return handedOver_; }
    // The main window's profile caption for the profile handed over.
    QString profileCaption() const { return caption_; }

    // Shows the editor as exec() does, with "Построить по карте высот…" started as soon as it
    // has opened prf.idn; closing asks the usual questions.
    int ExecBuildingFromRasters();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate() override;
    void FormClose() override;
    void N1Click() override;
    void N2Click() override;
    void StringGrid1SetEditText(int col, int row, const QString& text) override;
    void StringGrid1DblClick() override;
    void N3Click();

    void LoadProfile(const QString& path);
    void SetUpGrid();
    void ShowRows(int firstRow, int lastRow);
    void RestoreCell(int col, int row);
    int pointCount() const { return static_cast<int>(profile_.points.size()); }

    HopModel& model_;
    TForm8* codeReference_ = nullptr;
    ProfileData profile_;
    QString fileName_;        // "prf.idn", or the full path chosen in the open dialog
    QString openDialogName_;  // the open dialog offers the file it was last confirmed on
    bool changed_ = false;    // a value was entered since the last load
    bool handedOver_ = false;
    bool buildOnShow_ = false;  // the next showing starts N3
    QString caption_;
    ElevationProfileDialog* elevationDialog_ = nullptr;  // made once, keeps its fields for the run
    std::unique_ptr<QTemporaryDir> builtFolder_;         // holds the last profile built from rasters
};

}  // namespace vakrel
