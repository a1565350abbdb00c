#pragma once
// The results report window: rebuilt from the files each time it is shown, offered for saving
// when it closes.

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6(HopModel& model, UserSeam& seam);

    // Builds the report from buf.prf, buf.ttx, rrv.idn and vakrel.rez; fills the model's result
    // points when the result file was read. Runs each time the window is shown.
    void FormActivate();
    // Offers to save the report, then hides the text. False when a save failed: the window then
    // stays open with its text.
    bool FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    // The close box and Escape both end here.
    void reject() override;

private:
    void saveReport(const QString& path);
    std::vector<std::string> SavedLines() const;

    HopModel& model_;
    UserSeam& seam_;
    QPlainTextEdit* Memo1;
    std::vector<std::string> lines_;  // the report, code page 1251
};

}  // namespace vakrel
