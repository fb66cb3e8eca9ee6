// Runs the window's tests on Qt's offscreen platform with one 1280 x 1024 screen at 96 pixels
// per inch, whatever display the shell has.
#include <gtest/gtest.h>

#include <QApplication>
#include <csignal>

#include "application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCRIVAFRESA_OFFSCREEN_SCREEN);
    // A save beyond a file size limit must come back as a write error, not end the tests.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    scrivafresa::PrepareApplication(application);
    return RUN_ALL_TESTS();
}
