// gyrelune-cli merge: state files of one render added up and tone-mapped.
#include "cli/commands.h"
#include "cli/studioOutput.h"

#include "studio/stateFile.h"

#include <QCommandLineParser>

#include <exception>
#include <new>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli merge");
const QString usage =
    QStringLiteral("gyrelune-cli merge STATE... [-o OUT] [--state FILE] [--look window|log] "
                   "[--brightness B] [--gamma G] [--vibrancy V] [--depth 8|16]");

struct MergeParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    LookOptions look;

    MergeParser() {
        parser.setApplicationDescription(
            QStringLiteral("Adds up state files of the same document and settings (shards, or\n"
                           "runs over other orbits) and tone-maps the sum into OUT."));
        parser.addOption(help);
        look.addTo(parser);
        parser.addPositionalArgument(QStringLiteral("STATE"),
                                     QStringLiteral("State files written by poster --state."),
                                     QStringLiteral("STATE..."));
    }
};

QString failed(const std::string& name, const std::string& problem) {
    return QString::fromStdString("cannot merge '" + name + "': " + problem);
}

int merge(const std::vector<std::string>& names, const OutputChoice& choice) {
    Accumulation sum;
    if (std::string problem = readStateHeader(names[0], sum.header); !problem.empty())
        return failure(command, failed(names[0], problem));
    const AccumulationHeader& h = sum.header;
    if (QString problem = memoryProblem(h.width, h.height, h.supersample, 2); !problem.isEmpty())
        return failure(command, problem);
    if (std::string problem = readStateFile(names[0], sum); !problem.empty())
        return failure(command, failed(names[0], problem));
    for (std::size_t i = 1; i < names.size(); ++i) {
        Accumulation next;
        if (std::string problem = readStateHeader(names[i], next.header); !problem.empty())
            return failure(command, failed(names[i], problem));
        if (std::string problem = mergeProblem(sum.header, next.header); !problem.empty())
            return failure(command, failed(names[i], problem));
        if (std::string problem = readStateFile(names[i], next); !problem.empty())
            return failure(command, failed(names[i], problem));
        mergeInto(sum, next);
    }
    if (QString problem = writeOutputs(sum, choice); !problem.isEmpty())
        return failure(command, problem);
    return exitDone;
}

} // namespace

int mergeCommand(const QStringList& arguments) {
    MergeParser parser;
    if (const auto done = parseArguments(parser.parser, parser.help, arguments, command, usage))
        return *done;
    OutputChoice choice;
    if (const QString error = readOutputChoice(parser.parser, parser.look, choice);
        !error.isEmpty())
        return badUsage(command, error, usage);
    std::vector<std::string> names;
    for (const QString& name : parser.parser.positionalArguments())
        names.push_back(localName(name));
    if (names.empty()) return badUsage(command, QStringLiteral("no state files given"), usage);
    try {
        return merge(names, choice);
    } catch (const std::bad_alloc&) {
        return failure(command, QStringLiteral("out of memory"));
    } catch (const std::exception& error) {
        return failure(command, QString::fromUtf8(error.what()));
    }
}

} // namespace gyrelune::cli
