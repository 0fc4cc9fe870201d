// GUI tests run offscreen, with one application object for the whole run.

#include "app/language.h"
#include "app/mainWindow.h"

#include <QApplication>
#include <QMessageBox>
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
    // Settings left changed by a test are thrown away without the question.
    gyrelune::MainWindow::setSaveQuestion([](QWidget*) { return int(QMessageBox::Discard); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
