// Gyrelune: an interactive explorer of three-dimensional strange attractors.

#include "app/windowSet.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrelune"));
    QApplication::setDesktopFileName(QStringLiteral("gyrelune"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gyrelune.png")));
    // The main window ends the program, whichever window is open.
    QApplication::setQuitOnLastWindowClosed(false);
    gyrelune::installHungarianTranslation();

    gyrelune::WindowSet windows;
    windows.show();
    return QApplication::exec();
}
