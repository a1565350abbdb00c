#include "U_tip.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm5::TForm5(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Коды типовых характеристик условий РРВ"));
    setModal(true);
}

}  // namespace vakrel
