#pragma once
// The station characteristics editor. Each showing opens the working file ttx.idn; closing
// offers to save the changes, to overwrite the working file and to hand the values over to
// the hop model.

#include "parameter_editor.h"
#include "station_file.h"

namespace vakrel {

struct HopModel;

class TForm2 : public ParameterEditor {
    Q_OBJECT
public:
    TForm2(HopModel& model, UserSeam& seam);

    // Whether the last closing handed the values over to the model: then StationParams, the
    // station lines, both antenna heights (parameters 5 and 10) and the working frequency
    // (parameter 11) were replaced. Cleared by every opening.
    bool valuesHandedOver() const { return handedOver_; }

private:
    void FormActivate() override;
    void FormClose() override;
    void N1Click() override;
    void N2Click() override;

    // Takes a file just read: its values become the values as edited.
    void TakeFile(const QString& fileName, const StationFile& file);
    void ShowFile();
    void Save(const QString& path);
    void HandOver();

    HopModel& model_;
    QString fileName_;        // "ttx.idn", or the full path chosen in the open dialog
    StationFile file_;        // kept lines and the values as read
    QString openDialogName_;  // the open dialog offers the file it was last confirmed on
    bool handedOver_ = false;
};

}  // namespace vakrel
