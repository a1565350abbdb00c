#include "U_rez.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm6::TForm6(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Результаты расчета интервала РРЛ"));
    setModal(true);
}

}  // namespace vakrel
