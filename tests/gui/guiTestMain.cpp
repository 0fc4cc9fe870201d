// GUI tests run offscreen, with one application object for the whole run.

#include "app/windowSet.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrelune"));
    QApplication::setQuitOnLastWindowClosed(false);
    gyrelune::installHungarianTranslation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
