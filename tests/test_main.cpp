// One QApplication and one TApplication for the whole test program, with the
// program's classes registered, as the real start-up does.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/main_form.h"
#include "toolkit/application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless by default, also when run by hand or for test discovery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SCREEN_CONFIG);
    QApplication qt(argc, argv);
    TApplication application;
    RegisterProgramClasses();
    return RUN_ALL_TESTS();
}
