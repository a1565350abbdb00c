#pragma once
// The About window: the mast picture and six lines about the program.

#include <QDialog>
#include <QStringList>

class QLabel;

namespace vakrel {

struct HopModel;
class UserSeam;

// The six lines of the About text, in order.
QStringList AboutLines();

class TForm7 : public QDialog {
    Q_OBJECT
public:
    TForm7(HopModel& model, UserSeam& seam);

protected:
    // The text is set afresh each time the window is shown.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1;
    QLabel* Label1;
};

}  // namespace vakrel
