#pragma once
// The propagation conditions editor. Each showing opens the working file rrv.idn; closing
// offers to save the changes and to overwrite the working file. Every write of the working
// file under its short name rrv.idn hands the conditions, and their month, region, refraction
// gradient and refraction coefficient, to the hop model.

#include "conditions_file.h"
#include "parameter_editor.h"

namespace vakrel {

struct HopModel;
class TForm5;

class TForm4 : public ParameterEditor {
    Q_OBJECT
public:
    TForm4(HopModel& model, UserSeam& seam);

    // The typical-codes window that a double click on the grid shows; created after this one.
    void setCodeReference(TForm5& window) { codeReference_ = &window; }

    // Whether the working file was written since the last opening, so that the model's conditions
    // with their month, region, refraction gradient and refraction coefficient were replaced.
    bool refractionHandedOver() const { return handedOver_; }

private:
    void FormActivate() override;
    void FormClose() override;
    void N1Click() override;
    void N2Click() override;
    void StringGrid1DblClick() override;

    void TakeFile(const QString& fileName, const ConditionsFile& file);
    void ShowFile();
    // Writes the file; a write of exactly "rrv.idn" also updates the model.
    void Write(const QString& path);

    HopModel& model_;
    TForm5* codeReference_ = nullptr;
    QString fileName_;        // "rrv.idn", or the full path chosen in the open dialog
    ConditionsFile file_;     // kept lines and the values as read
    QString openDialogName_;  // the open dialog offers the file it was last confirmed on
    bool handedOver_ = false;
};

}  // namespace vakrel
