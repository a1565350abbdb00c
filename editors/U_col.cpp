#include "U_col.h"

#include "hop_model.h"
#include "working_files.h"

namespace vakrel {

TForm8::TForm8(HopModel& model, UserSeam& seam)
    : CodeReferenceWindow(QStringLiteral("TForm8"), QStringLiteral("Справка"), kObjectCodesText, model.workingDirectory,
                          seam) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    resize(600, 200);
    move(256, 189);
}

}  // namespace vakrel
