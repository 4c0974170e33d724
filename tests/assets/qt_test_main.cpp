// GoogleTest entry point for tests that need a QGuiApplication (icons, fonts, pixmaps).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Test discovery runs the program outside ctest's environment, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
