#include "U_prf.h"

#include "hop_model.h"
#include "user_seam.h"

namespace vakrel {

TForm3::TForm3(HopModel& model, UserSeam& seam) : model_(model), seam_(seam) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Исходные данные о профиле местности"));
    setModal(true);
}

}  // namespace vakrel
