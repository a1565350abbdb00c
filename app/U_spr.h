#pragma once
// The About window.

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    TForm7(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
