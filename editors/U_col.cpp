#include "U_col.h"

namespace vakrel {

TForm8::TForm8(HopModel&, UserSeam& seam)
    : CodeReferenceWindow(QStringLiteral("TForm8"), QStringLiteral("Справка"), "prf.tip", seam) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    resize(600, 200);
    move(256, 189);
}

}  // namespace vakrel
