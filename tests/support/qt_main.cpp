// main() of the test programs of windows. The offscreen platform is chosen when no display is
// set, because gtest_discover_tests runs the binaries without ctest's environment.

#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    // QApplication takes the user's locale; the tests pin the C locale and set others explicitly.
    std::setlocale(LC_ALL, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
