#pragma once
// The station characteristics editor.

#include <QDialog>

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(HopModel& model, UserSeam& seam);

private:
    HopModel& model_;
    UserSeam& seam_;
};

}  // namespace vakrel
