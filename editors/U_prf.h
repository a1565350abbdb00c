#pragma once
// The terrain profile editor.

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
