#include "U_col.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm8::TForm8(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Справка"));
    setModal(true);
}

}  // namespace vakrel
