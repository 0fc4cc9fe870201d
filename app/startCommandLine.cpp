#include "app/startCommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace gyrelune {

StartCommandLine::StartCommandLine()
    : help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QStringLiteral("Show the program's version.")),
      language_(QStringLiteral("language"),
                QStringLiteral("The interface's language for this run: hu (Hungarian, the\n"
                               "default) or en (English)."),
                QStringLiteral("hu|en")) {
    parser_.setApplicationDescription(
        QStringLiteral("Explore three-dimensional strange attractors. FILE.atr, if given, is\n"
                       "opened as \"Megnyitás\" would open it, and drawn.\n\n"
                       "Exit status: 0 when the program was closed, 2 for a bad command line."));
    // Qt's own options are single-dash words (-reverse, -platformtheme): read
    // as bundles of letters they would hold -v or -h.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOption(language_);
    parser_.addPositionalArgument(QStringLiteral("FILE.atr"),
                                  QStringLiteral("An attractor document to open."),
                                  QStringLiteral("[FILE.atr]"));
}

bool StartCommandLine::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return false;
    }
    if (parser_.positionalArguments().size() > 1) {
        error_ = QStringLiteral("More than one document given.");
        return false;
    }
    if (parser_.isSet(language_) && parser_.value(language_) != QLatin1String("hu") &&
        parser_.value(language_) != QLatin1String("en")) {
        error_ =
            QStringLiteral("Unknown language '%1': use hu or en.").arg(parser_.value(language_));
        return false;
    }
    error_.clear();
    // Absolute like the open dialog's answer, so that the caption and "Mentés" agree.
    const QStringList names = parser_.positionalArguments();
    document_ = names.isEmpty() ? QString() : QFileInfo(names.first()).absoluteFilePath();
    return true;
}

QString StartCommandLine::helpText() const {
    // Qt names the program by its path, and only with an application object.
    QString text = parser_.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: gyrelune [options] [FILE.atr]"));
    return text;
}

bool answerHelpOrVersion(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    StartCommandLine commandLine;
    // Qt's own options count as unknown here; only the two answers matter.
    commandLine.parse(arguments);
    QString answer;
    if (commandLine.helpWanted())
        answer = commandLine.helpText();
    else if (commandLine.versionWanted())
        answer = QCoreApplication::applicationName() + QLatin1Char(' ') +
                 QCoreApplication::applicationVersion() + QLatin1Char('\n');
    else
        return false;
    std::fputs(answer.toLocal8Bit().constData(), stdout);
    return true;
}

int reportBadUsage(const QString& message) {
    std::fprintf(stderr, "gyrelune: %s\nTry 'gyrelune --help' for more information.\n",
                 qPrintable(message));
    return exitBadUsage;
}

} // namespace gyrelune
