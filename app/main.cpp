// Gyrelune: an interactive explorer of three-dimensional strange attractors.

#include "app/language.h"
#include "app/startCommandLine.h"
#include "app/windowSet.h"
#include "core/version.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

int main(int argc, char** argv) {
    QApplication::setOrganizationName(QStringLiteral("gyrelune"));
    QApplication::setApplicationName(QStringLiteral("Gyrelune"));
    QApplication::setApplicationVersion(QStringLiteral(GYRELUNE_VERSION));
    if (gyrelune::answerHelpOrVersion(argc, argv)) return gyrelune::exitDone;

    QApplication application(argc, argv);
    // Qt takes the user's locale for the C library too; formulas and documents
    // read numbers with a "." whatever the locale says.
    std::setlocale(LC_NUMERIC, "C");
    gyrelune::StartCommandLine commandLine;
    if (!commandLine.parse(QApplication::arguments()))
        return gyrelune::reportBadUsage(commandLine.errorText());

    QApplication::setDesktopFileName(QStringLiteral("io.github.gyrelune.Gyrelune"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gyrelune.png")));
    // The main window ends the program, whichever window is open.
    QApplication::setQuitOnLastWindowClosed(false);
    gyrelune::Language language = gyrelune::savedLanguage();
    gyrelune::languageFromCode(commandLine.language(), language);
    gyrelune::installLanguage(language);

    gyrelune::WindowSet windows;
    windows.start(commandLine.document());
    return QApplication::exec();
}
