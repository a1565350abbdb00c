#include "U_spr.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "hop_model.h"
#include "relay_mast_picture.h"
#include "scripted_seam.h"

namespace vakrel {
namespace {

TEST(About, PictureAndSixLinesShownAfresh) {
    HopModel model;
    test::ScriptedSeam seam;
    TForm7 form(model, seam);
    EXPECT_EQ(form.size(), QSize(406, 243));
    auto* label = form.findChild<QLabel*>("Label1");
    EXPECT_TRUE(label->text().isEmpty());
    form.show();
    const QStringList lines = label->text().split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Программа расчета интервалов РРЛ(ТРЛ)");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

    const QImage picture = form.findChild<QLabel*>("Image1")->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(kMastPictureWidth, kMastPictureHeight));
    EXPECT_EQ(RelayMastPicture().format(), QImage::Format_RGB888);
    // A drawn picture, not a plain fill: sky at the top, hill at the bottom, the mast between.
    const QImage mast = RelayMastPicture();
    EXPECT_GT(mast.pixelColor(5, 5).blue(), mast.pixelColor(5, 5).red());
    EXPECT_GT(mast.pixelColor(5, 195).green(), mast.pixelColor(5, 195).blue());
    form.hide();
}

}  // namespace
}  // namespace vakrel
