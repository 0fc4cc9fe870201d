#include "cli/commands.h"

#include <QCommandLineParser>

#include <cstdio>

namespace gyrelune::cli {

QString helpText(const QCommandLineParser& parser, const QString& usage) {
    // Qt names the program by its path (or not at all without an application
    // object); the commands name themselves.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: ") + usage);
    return text;
}

void printText(const QString& text, bool toStandardError) {
    std::fputs(text.toLocal8Bit().constData(), toStandardError ? stderr : stdout);
}

int badUsage(const QString& command, const QString& message, const QString& usage) {
    printText(command + QStringLiteral(": ") + message + QStringLiteral("\nusage: ") + usage +
                  QLatin1Char('\n'),
              true);
    return exitBadUsage;
}

int failure(const QString& command, const QString& message) {
    printText(command + QStringLiteral(": ") + message + QLatin1Char('\n'), true);
    return exitFailed;
}

} // namespace gyrelune::cli
