#include "picture_file.h"

#include <gtest/gtest.h>

#include <QImage>

#include "io_error.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(SavePicture, BitmapWhateverTheExtensionOrTheStandardMessage) {
    test::TempDir dir;
    QImage picture(31, 17, QImage::Format_RGB32);
    picture.fill(QColor(128, 0, 0));
    picture.setPixelColor(30, 16, QColor(0, 255, 255));
    SavePictureAsBmp(picture, dir.file("hop.png"));
    const std::string bytes = dir.read("hop.png");
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    QImage back;
    ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP"));
    EXPECT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.pixelColor(30, 16), QColor(0, 255, 255));
    EXPECT_EQ(back.pixelColor(0, 0), QColor(128, 0, 0));

    const std::string missing = dir.file("no/such/folder/vakrel_w.bmp");
    try {
        SavePictureAsBmp(picture, missing);
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.userMessage(), "Cannot create file " + missing + ".");
    }
}

}  // namespace
}  // namespace vakrel
