// The Qt tests' main: the offscreen platform with one wide screen, one QApplication for every
// test, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "offscreen_screen.h"

int main(int argc, char** argv) {
    const QString config = cn3::test::UseWideOffscreenScreen();
    QApplication app(argc, argv);
    QFile::remove(config);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
