// gyrelune-cli search: parameter sets of the typed formulas (or invented maps)
// whose orbits are strange attractors, written as documents with thumbnails.
#include "cli/commands.h"
#include "cli/progressBar.h"
#include "cli/searchOutput.h"
#include "cli/stopSignals.h"

#include "core/searchSetup.h"

#include <QCommandLineParser>
#include <QFile>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

const char* const searchUsage =
    "Usage: gyrelune-cli search [DOC.atr] [--param NAME=MIN:MAX ...] [--count K] [--seed S]\n"
    "                           [--time SECONDS] [--jobs J] [--size WxH] -o DIR\n"
    "       gyrelune-cli search [DOC.atr] --invent quadratic|cubic [--dimensions 2|3]\n"
    "                           [--range R] [--as-parameters] [options as above] -o DIR\n";

struct SearchOptions {
    std::string document; // empty: the start-up set-up
    std::vector<std::string> intervals;
    std::size_t count = 10;
    std::uint64_t seed = 1;
    double seconds = 60;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    int width = 600, height = 600;
    std::string output;
    std::optional<PolynomialMap> invent;
    std::string range = "1.2";
    bool asParameters = false;
};

int failWith(const std::string& message, int status = exitFailed) {
    std::fprintf(stderr, "gyrelune-cli search: %s\n", message.c_str());
    return status;
}

// Returns an error message, empty when the numbers are sound.
std::string readNumbers(const QCommandLineParser& parser, SearchOptions& options) {
    bool ok = true;
    if (parser.isSet(QStringLiteral("count"))) {
        const unsigned count = parser.value(QStringLiteral("count")).toUInt(&ok);
        if (!ok || count < 1 || count > 999) return "--count needs a whole number from 1 to 999";
        options.count = count;
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) return "--seed needs a non-negative whole number";
    }
    if (parser.isSet(QStringLiteral("time"))) {
        options.seconds = parser.value(QStringLiteral("time")).toDouble(&ok);
        if (!ok || !(options.seconds > 0) || options.seconds > 1e6)
            return "--time needs a positive number of seconds";
    }
    if (parser.isSet(QStringLiteral("jobs"))) {
        options.jobs = parser.value(QStringLiteral("jobs")).toUInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256)
            return "--jobs needs a number from 1 to 256";
    }
    if (parser.isSet(QStringLiteral("size")) &&
        !readPictureSize(parser.value(QStringLiteral("size")), options.width, options.height))
        return "--size needs WxH, each side 1 to 16384 and at most 16777216 pixels";
    return {};
}

std::string readInvention(const QCommandLineParser& parser, SearchOptions& options) {
    const bool inventing = parser.isSet(QStringLiteral("invent"));
    for (const char* name : {"dimensions", "range", "as-parameters"})
        if (!inventing && parser.isSet(QString::fromLatin1(name)))
            return std::string("--") + name + " goes with --invent";
    if (!inventing) return {};
    if (!options.intervals.empty()) return "--param does not go with --invent";
    const QString order = parser.value(QStringLiteral("invent"));
    if (order != QLatin1String("quadratic") && order != QLatin1String("cubic"))
        return "--invent needs quadratic or cubic";
    PolynomialMap map{order == QLatin1String("quadratic") ? 2 : 3, 2};
    if (parser.isSet(QStringLiteral("dimensions"))) {
        const QString text = parser.value(QStringLiteral("dimensions"));
        if (text != QLatin1String("2") && text != QLatin1String("3"))
            return "--dimensions needs 2 or 3";
        map.dimensions = text.toInt();
    }
    if (parser.isSet(QStringLiteral("range"))) {
        bool ok = false;
        const double range = parser.value(QStringLiteral("range")).toDouble(&ok);
        if (!ok || !(range > 0) || range > 1e6) return "--range needs a positive number";
        options.range = parser.value(QStringLiteral("range")).toStdString();
    }
    options.invent = map;
    options.asParameters = parser.isSet(QStringLiteral("as-parameters"));
    return {};
}

std::string parseOptions(const QStringList& arguments, SearchOptions& options, bool& help) {
    QCommandLineParser parser;
    parser.addOptions(
        {{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("help")},
         {QStringLiteral("param"), QStringLiteral("interval"), QStringLiteral("NAME=MIN:MAX")},
         {QStringLiteral("count"), QStringLiteral("results"), QStringLiteral("K")},
         {QStringLiteral("seed"), QStringLiteral("seed"), QStringLiteral("S")},
         {QStringLiteral("time"), QStringLiteral("budget"), QStringLiteral("SECONDS")},
         {QStringLiteral("jobs"), QStringLiteral("threads"), QStringLiteral("J")},
         {QStringLiteral("size"), QStringLiteral("picture"), QStringLiteral("WxH")},
         {QStringLiteral("invent"), QStringLiteral("maps"), QStringLiteral("ORDER")},
         {QStringLiteral("dimensions"), QStringLiteral("dimensions"), QStringLiteral("2|3")},
         {QStringLiteral("range"), QStringLiteral("coefficients"), QStringLiteral("R")},
         {QStringLiteral("as-parameters"), QStringLiteral("coefficients as parameters")},
         {QStringLiteral("o"), QStringLiteral("output"), QStringLiteral("DIR")}});
    if (!parser.parse(arguments)) return parser.errorText().toStdString();
    help = parser.isSet(QStringLiteral("help"));
    if (help) return {};
    const QStringList documents = parser.positionalArguments();
    if (documents.size() > 1) return "more than one document given";
    if (!documents.isEmpty()) options.document = QFile::encodeName(documents[0]).toStdString();
    for (const QString& interval : parser.values(QStringLiteral("param")))
        options.intervals.push_back(interval.toStdString());
    options.output = QFile::encodeName(parser.value(QStringLiteral("o"))).toStdString();
    if (options.output.empty()) return "no output directory given (-o DIR)";
    if (std::string error = readInvention(parser, options); !error.empty()) return error;
    return readNumbers(parser, options);
}

// DOC (or the start-up set-up), its parameters or the invented maps, and the
// intervals; status is set for a failure.
std::string prepareSetup(const SearchOptions& options, SearchSetup& setup, int& status) {
    if (options.document.empty()) {
        setup.base = startUpDocument();
    } else {
        const ReadResult read = readAtrDocument(options.document);
        if (read.stage != ReadStage::complete)
            return "cannot read '" + options.document + "': " + read.error;
        setup.base = read.document;
    }
    if (options.invent) {
        inventMaps(setup, *options.invent, options.range, options.asParameters);
        return {};
    }
    if (std::string error = collectParameters(setup); !error.empty()) return error;
    status = exitBadUsage;
    return applyIntervals(options.intervals, setup);
}

SearchOutcome searchWithProgress(const SearchSettings& settings, const StopSignals& stop) {
    ProgressBar bar(::isatty(STDERR_FILENO));
    const auto update = [&](const SearchProgress& p) {
        char detail[96];
        std::snprintf(detail, sizeof detail, "%zu/%zu found, %llu candidates, %.0f s", p.accepted,
                      settings.wanted, (unsigned long long)p.examined, p.seconds);
        bar.update(std::max(double(p.accepted) / double(settings.wanted),
                            p.seconds / settings.timeBudgetSeconds),
                   detail);
    };
    SearchOutcome outcome = runSearch(settings, &stop.requested(), update);
    bar.finish();
    return outcome;
}

void printOutcome(const SearchOutcome& outcome, const std::string& directory, unsigned jobs) {
    std::printf("%zu attractors from %llu candidates in %.1f s on %u thread%s%s -> %s\n",
                outcome.results.size(), (unsigned long long)outcome.examined, outcome.seconds, jobs,
                jobs == 1 ? "" : "s", outcome.end == SearchEnd::stopped ? " (interrupted)" : "",
                directory.c_str());
    std::printf("%s\n%s\n", chaosRates(outcome).c_str(), rejectionSummary(outcome).c_str());
}

} // namespace

int searchCommand(const QStringList& arguments) {
    // From the start, so that no signal finds the hidden folder unattended.
    const StopSignals stopSignals;
    SearchOptions options;
    bool help = false;
    if (const std::string error = parseOptions(arguments, options, help); !error.empty()) {
        failWith(error, exitBadUsage);
        std::fputs(searchUsage, stderr);
        return exitBadUsage;
    }
    if (help) return std::fputs(searchUsage, stdout), exitDone;
    while (options.output.size() > 1 && options.output.back() == '/')
        options.output.pop_back();

    OutputSettings output;
    SearchSettings settings;
    int status = exitFailed;
    std::string temporary, error = prepareSetup(options, output.setup, status);
    if (!error.empty()) return failWith(error, status);
    if (error = searchSettings(output.setup, settings); !error.empty()) return failWith(error);
    if (error = prepareOutput(options.output, temporary); !error.empty()) return failWith(error);

    settings.wanted = options.count;
    settings.seed = options.seed;
    settings.timeBudgetSeconds = options.seconds;
    settings.jobs = options.jobs;
    const ClassifierSettings& classifier = settings.classifier;
    output.fitSteps =
        classifier.transientSteps + classifier.measuredSteps + classifier.confirmationSteps;
    const SearchOutcome outcome = searchWithProgress(settings, stopSignals);
    if (outcome.results.empty()) {
        std::filesystem::remove_all(temporary);
        std::fprintf(stderr,
                     "gyrelune-cli search: no strange attractor found in %llu candidates; %s\n",
                     (unsigned long long)outcome.examined, rejectionSummary(outcome).c_str());
        return exitFailed;
    }
    output.width = options.width;
    output.height = options.height;
    output.jobs = options.jobs;
    error = writeAndFinish(output, outcome, temporary, options.output);
    if (!error.empty()) {
        std::filesystem::remove_all(temporary);
        return failWith(error);
    }
    printOutcome(outcome, options.output, options.jobs);
    return exitDone;
}

} // namespace gyrelune::cli
