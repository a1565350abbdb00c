#pragma once
// The propagation conditions editor.

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
