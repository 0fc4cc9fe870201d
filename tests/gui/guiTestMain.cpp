// GUI tests run offscreen, with one application object for the whole run.

#include "app/language.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrelune"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Settings the tests write (recent documents, language) go to a test folder.
    QStandardPaths::setTestModeEnabled(true);
    // GYRELUNE_TEST_LANGUAGE=en runs the tests with the English interface.
    gyrelune::Language language = gyrelune::Language::hungarian;
    gyrelune::languageFromCode(qEnvironmentVariable("GYRELUNE_TEST_LANGUAGE"), language);
    gyrelune::installLanguage(language);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
