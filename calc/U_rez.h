#pragma once
// The results report window: rebuilt from the files each time it is shown, offered for saving
// when it closes.

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace vakrel {

struct HopModel;
struct PrintedReport;
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

    // Where the printed report takes the profile picture from: the main window's picture,
    // drawn with the results just read.
    void setPictureSource(std::function<QImage()> source) { pictureSource_ = std::move(source); }
    // "Печать..." and "PDF...": the report with the picture, on paper or in a PDF file.
    void PrintClick();
    void PdfClick();

protected:
    void showEvent(QShowEvent* event) override;
    // The close box and Escape both end here.
    void reject() override;

private:
    void saveReport(const QString& path);
    std::vector<std::string> SavedLines() const;

    HopModel& model_;
    UserSeam& seam_;
    PrintedReport Printed() const;

    QPlainTextEdit* Memo1;
    QPushButton* Button1;  // "Печать..."
    QPushButton* Button2;  // "PDF..."
    std::function<QImage()> pictureSource_;
    std::vector<std::string> lines_;  // the report, code page 1251
    bool complete_ = false;           // the last opening read every file, the results too
};

}  // namespace vakrel
