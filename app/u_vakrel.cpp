#include "u_vakrel.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm1::TForm1(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Расчет интервалов РРЛ(ТРЛ) "));
}

}  // namespace vakrel
