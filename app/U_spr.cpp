#include "U_spr.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "dialog_font.h"
#include "relay_mast_picture.h"

namespace vakrel {

namespace {
constexpr int kWidth = 406;
constexpr int kHeight = 243;
}  // namespace

QStringList AboutLines() {
    return {
        QStringLiteral("Программа расчета интервалов РРЛ(ТРЛ)"),
        QStringLiteral("Версия " VAKREL_VERSION),
        QStringLiteral("2026 г."),
        QStringLiteral("Разработчики: проект VAKREL"),
        QStringLiteral("Методики МСЭ-R; тел. нет"),
        QStringLiteral("E-mail: vakrel@example.org"),
    };
}

TForm7::TForm7(HopModel&, UserSeam&) : Image1(new QLabel(this)), Label1(new QLabel(this)) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);
    // Only the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, (kHeight - kMastPictureHeight) / 2, kMastPictureWidth, kMastPictureHeight);
    Image1->setPixmap(QPixmap::fromImage(RelayMastPicture()));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setFont(DialogFont(11));  // the title line fits beside the picture
    Label1->setGeometry(8 + kMastPictureWidth + 8, 8, kWidth - kMastPictureWidth - 20, kHeight - 16);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TForm7::showEvent(QShowEvent* event) {
    Label1->setText(AboutLines().join('\n'));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

}  // namespace vakrel
