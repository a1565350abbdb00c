#pragma once
// The reference window of the propagation condition codes (rrv.tip).

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
