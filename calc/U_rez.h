#pragma once
// The results report.

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
