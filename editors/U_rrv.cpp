#include "U_rrv.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm4::TForm4(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Исходные данные об условиях РРВ"));
    setModal(true);
}

}  // namespace vakrel
