#include "U_ttx.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm2::TForm2(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Исходные данные о РРС(ТРС)"));
    setModal(true);
}

}  // namespace vakrel
