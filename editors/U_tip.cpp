#include "U_tip.h"

#include "editor_support.h"
#include "hop_model.h"
#include "working_files.h"

namespace vakrel {

TForm5::TForm5(HopModel& model, UserSeam& seam)
    : CodeReferenceWindow(QStringLiteral("TForm5"), QStringLiteral("Коды типовых характеристик условий РРВ"),
                          kConditionCodesText, model.workingDirectory, seam) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    resize(600, 300);
    CenterOnScreen(*this);
}

}  // namespace vakrel
