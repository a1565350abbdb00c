#include "U_spr.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm7::TForm7(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);
}

}  // namespace vakrel
