#include "U_tip.h"

#include "editor_support.h"

namespace vakrel {

TForm5::TForm5(HopModel&, UserSeam& seam)
    : CodeReferenceWindow(QStringLiteral("TForm5"), QStringLiteral("Коды типовых характеристик условий РРВ"),
                          "rrv.tip", seam) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    resize(600, 300);
    CenterOnScreen(*this);
}

}  // namespace vakrel
