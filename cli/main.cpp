// gyrelune-cli: Gyrelune without windows.
#include "cli/commands.h"
#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

namespace gyrelune::cli {
namespace {

const QString program = QStringLiteral("gyrelune-cli");
const QString usage = QStringLiteral("gyrelune-cli [--help] [--version] COMMAND [ARGUMENTS...]");

QString description() {
    QString text = QStringLiteral("Gyrelune's headless companion.\n\nCommands:\n");
    for (const Command& command : commandTable())
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(command.name).leftJustified(8), command.summary);
    text += QStringLiteral("'gyrelune-cli COMMAND --help' describes each one.\n\n"
                           "Exit status: 0 done, 1 failed, 2 bad command line.");
    return text;
}

int run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("The command to run."));
    // Everything after the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments)) return badUsage(program, parser.errorText(), usage);
    if (parser.isSet(help)) {
        printText(helpText(parser, usage));
        return exitDone;
    }
    if (parser.isSet(version)) {
        printText(program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + '\n');
        return exitDone;
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        printText(helpText(parser, usage), true);
        return exitBadUsage;
    }
    const auto commands = commandTable();
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const Command& c) {
        return rest.first() == QLatin1String(c.name);
    });
    if (command == commands.end())
        return badUsage(
            program, QStringLiteral("unknown command '%1' (see --help)").arg(rest.first()), usage);
    return command->run(QStringList{arguments.first()} + rest.mid(1));
}

} // namespace
} // namespace gyrelune::cli

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("gyrelune-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GYRELUNE_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return gyrelune::cli::run(arguments);
}
