#pragma once
// The reference window of the object type codes (prf.tip).

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    TForm8(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
