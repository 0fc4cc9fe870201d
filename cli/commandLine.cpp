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

std::optional<int> parseArguments(QCommandLineParser& parser, const QCommandLineOption& help,
                                  const QStringList& arguments, const QString& command,
                                  const QString& usage) {
    if (!parser.parse(arguments)) return badUsage(command, parser.errorText(), usage);
    if (!parser.isSet(help)) return std::nullopt;
    printText(helpText(parser, usage));
    return exitDone;
}

bool readWhole(const QString& text, long long low, long long high, long long& value) {
    // No sign, blank or exponent; 18 digits cannot overflow.
    if (text.isEmpty() || text.size() > 18) return false;
    long long number = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        number = number * 10 + (c.unicode() - '0');
    }
    if (number < low || number > high) return false;
    value = number;
    return true;
}

bool readWhole(const QString& text, int low, int high, int& value) {
    long long number = 0;
    if (!readWhole(text, (long long)low, (long long)high, number)) return false;
    value = int(number);
    return true;
}

bool readPictureSize(const QString& text, int& width, int& height, const SizeLimits& limits) {
    const QStringList sides = text.split(QLatin1Char('x'));
    long long w = 0, h = 0;
    if (sides.size() != 2 || !readWhole(sides[0], limits.smallestSide, limits.largestSide, w) ||
        !readWhole(sides[1], limits.smallestSide, limits.largestSide, h) ||
        w * h > limits.largestArea)
        return false;
    width = int(w);
    height = int(h);
    return true;
}

} // namespace gyrelune::cli
