#include "dialog_font.h"

#include <QFontInfo>

namespace vakrel {

QFont DialogFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    if (!QFontInfo(font).exactMatch()) {
        font = QFont();
        font.setStretch(QFont::Condensed);
    }
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace vakrel
