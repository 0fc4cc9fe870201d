// gyrelune-cli search: parameter sets of the typed formulas whose orbits are
// strange attractors, written as documents with thumbnails.
#include "cli/commands.h"
#include "cli/searchOutput.h"
#include "cli/stopSignals.h"

#include "core/documentOpen.h"
#include "core/headlessSession.h"
#include "core/rotationAngle.h"
#include "formula/formulaField.h"
#include "search/attractorSearch.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

const char* const searchUsage =
    "Usage: gyrelune-cli search [DOC.atr] [--param NAME=MIN:MAX ...] [--count K] [--seed S]\n"
    "                           [--time SECONDS] [--jobs J] [--size WxH] -o DIR\n";

struct SearchOptions {
    std::string document; // empty: the start-up set-up
    QStringList intervals;
    std::size_t count = 10;
    std::uint64_t seed = 1;
    double seconds = 60;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    int width = 600, height = 600;
    std::string output;
};

int failWith(const std::string& message, int status = exitFailed) {
    std::fprintf(stderr, "gyrelune-cli search: %s\n", message.c_str());
    return status;
}

bool parseSize(const QString& text, int& width, int& height) {
    const QStringList sides = text.split(QLatin1Char('x'));
    bool wide = false, high = false;
    if (sides.size() != 2) return false;
    const long long w = sides[0].toLongLong(&wide), h = sides[1].toLongLong(&high);
    if (!wide || !high || w < 1 || h < 1 || w > 16384 || h > 16384 || w * h > 16777216)
        return false;
    width = int(w);
    height = int(h);
    return true;
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
        !parseSize(parser.value(QStringLiteral("size")), options.width, options.height))
        return "--size needs WxH, each side 1 to 16384 and at most 16777216 pixels";
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
         {QStringLiteral("o"), QStringLiteral("output"), QStringLiteral("DIR")}});
    if (!parser.parse(arguments)) return parser.errorText().toStdString();
    help = parser.isSet(QStringLiteral("help"));
    if (help) return {};
    const QStringList documents = parser.positionalArguments();
    if (documents.size() > 1) return "more than one document given";
    if (!documents.isEmpty()) options.document = documents[0].toLocal8Bit().toStdString();
    options.intervals = parser.values(QStringLiteral("param"));
    options.output = parser.value(QStringLiteral("o")).toLocal8Bit().toStdString();
    if (options.output.empty()) return "no output directory given (-o DIR)";
    return readNumbers(parser, options);
}

// DOC, or the set-up the program starts with.
std::string loadBase(const std::string& fileName, AtrDocument& base) {
    if (fileName.empty()) {
        HeadlessSession session;
        base = documentToSave(session.wiring(), session.colourStops, session.background);
        return {};
    }
    const ReadResult read = readAtrDocument(fileName);
    if (read.stage != ReadStage::complete) return "cannot read '" + fileName + "': " + read.error;
    base = read.document;
    return {};
}

// An interval end's value, as a parameter window's field reads its text.
bool intervalValue(const std::string& text, Real48& value) {
    FormulaField field(text);
    if (text.empty() || field.CompileAndMark()) return false;
    try {
        value = field.value();
    } catch (const FloatingPointOverflow&) {
        return false;
    }
    return true;
}

std::string formulaParameters(const AtrDocument& base, std::vector<SearchParameter>& parameters) {
    Formula formulas[3];
    const char* const axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        bool error = false;
        formulas[i].text = base.texts[std::size_t(i)];
        formulas[i].Compile(error);
        if (error)
            return std::string("the ") + axes[i] + " new formula '" + formulas[i].text +
                   "' is malformed";
    }
    for (const std::string& name : collectParameterNames(formulas[0], formulas[1], formulas[2])) {
        SearchParameter parameter{name, AbstractParameterWindow::initialMinimumText,
                                  AbstractParameterWindow::initialMaximumText};
        for (const StoredParameter& stored : base.parameters)
            if (stored.name == name) {
                parameter.minimumText = stored.minimumText;
                parameter.maximumText = stored.maximumText;
                break;
            }
        parameters.push_back(parameter);
    }
    return parameters.empty() ? "the formulas have no parameters" : "";
}

std::string checkedRange(const SearchParameter& p, ParameterRange& range) {
    range = {p.name, {}, {}};
    if (!intervalValue(p.minimumText, range.minimum) ||
        !intervalValue(p.maximumText, range.maximum))
        return "the interval of '" + p.name + "' (" + p.minimumText + " to " + p.maximumText +
               ") is not a pair of numbers";
    if (range.minimum.toDouble() > range.maximum.toDouble())
        return "the interval of '" + p.name + "' has its minimum " + p.minimumText +
               " above its maximum " + p.maximumText;
    return {};
}

std::string applyIntervals(const QStringList& intervals, std::vector<SearchParameter>& parameters) {
    for (const QString& interval : intervals) {
        const std::string text = interval.toStdString();
        const std::size_t equals = text.find('='), colon = text.find(':', equals + 1);
        if (equals == 0 || equals == std::string::npos || colon == std::string::npos)
            return "--param needs NAME=MIN:MAX, got '" + text + "'";
        const std::string name = text.substr(0, equals);
        const auto found = std::find_if(parameters.begin(), parameters.end(),
                                        [&](const SearchParameter& p) { return p.name == name; });
        if (found == parameters.end()) {
            std::string known;
            for (const SearchParameter& p : parameters)
                known += (known.empty() ? "" : ", ") + p.name;
            return "unknown parameter '" + name + "' (the formulas' parameters: " + known + ")";
        }
        found->minimumText = text.substr(equals + 1, colon - equals - 1);
        found->maximumText = text.substr(colon + 1);
        ParameterRange range;
        if (std::string error = checkedRange(*found, range); !error.empty()) return error;
    }
    return {};
}

std::string searchRanges(const std::vector<SearchParameter>& parameters,
                         std::vector<ParameterRange>& ranges) {
    for (const SearchParameter& p : parameters) {
        ParameterRange range;
        if (std::string error = checkedRange(p, range); !error.empty()) return error;
        ranges.push_back(range);
    }
    return {};
}

// A new hidden directory beside target; the finished results are renamed to target.
std::string prepareOutput(const std::string& target, std::string& temporary) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path = fs::absolute(fs::path(target).lexically_normal(), error);
    if (fs::exists(path, error) && (!fs::is_directory(path, error) || !fs::is_empty(path, error)))
        return "'" + target + "' already exists and is not an empty directory";
    std::string hidden = path.filename().string();
    hidden.insert(0, 1, '.');
    hidden += "-XXXXXX";
    std::string pattern = (path.parent_path() / hidden).string();
    if (!::mkdtemp(pattern.data()))
        return "cannot write into '" + path.parent_path().string() + "': " + std::strerror(errno);
    temporary = pattern;
    // mkdtemp makes it private; the results get the mode any new folder gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(temporary.c_str(), 0777 & ~mask) != 0)
        return "cannot write into '" + temporary + "': " + std::strerror(errno);
    return {};
}

std::string finishOutput(const std::string& temporary, const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) std::filesystem::remove(target, error);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return "cannot write '" + target + "': " + std::strerror(errno);
    return {};
}

class SearchProgressBar {
  public:
    SearchProgressBar(bool shown, std::size_t wanted, double budget)
        : shown_(shown), wanted_(wanted), budget_(budget) {}
    void update(const SearchProgress& progress) {
        if (!shown_ || progress.seconds < nextShown_) return;
        nextShown_ = progress.seconds + 0.1;
        const int filled = int(40 * std::min<std::size_t>(progress.accepted, wanted_) / wanted_);
        std::fprintf(stderr, "\r[%s%s] %zu/%zu found, %llu candidates, %.0f/%.0f s ",
                     std::string(std::size_t(filled), '#').c_str(),
                     std::string(std::size_t(40 - filled), ' ').c_str(), progress.accepted, wanted_,
                     (unsigned long long)progress.examined, progress.seconds, budget_);
        std::fflush(stderr);
    }
    void finish() {
        if (shown_) std::fputc('\n', stderr);
    }

  private:
    bool shown_;
    std::size_t wanted_;
    double budget_, nextShown_ = 0;
};

SearchSettings searchSettings(const SearchOptions& options, const AtrDocument& base,
                              const std::vector<ParameterRange>& ranges) {
    SearchSettings settings;
    settings.formulas = {base.texts[0], base.texts[1], base.texts[2]};
    settings.parameters = ranges;
    settings.wanted = options.count;
    settings.seed = options.seed;
    settings.timeBudgetSeconds = options.seconds;
    settings.jobs = options.jobs;
    ClassifierSettings& classifier = settings.classifier;
    classifier.fillColumns = options.width;
    classifier.fillRows = options.height;
    for (std::size_t i = 0; i < 3; ++i)
        classifier.angles[i] = angleRadians(base.texts[6 + i]).toDouble();
    return settings;
}

SearchOutcome searchWithProgress(const SearchSettings& settings, const StopSignals& stop) {
    SearchProgressBar bar(::isatty(STDERR_FILENO), settings.wanted, settings.timeBudgetSeconds);
    SearchOutcome outcome =
        runSearch(settings, &stop.requested(), [&bar](const SearchProgress& p) { bar.update(p); });
    bar.finish();
    return outcome;
}

void printOutcome(const SearchOutcome& outcome, const std::string& directory, unsigned jobs) {
    std::printf("%zu attractors from %llu candidates in %.1f s on %u threads%s -> %s\n",
                outcome.results.size(), (unsigned long long)outcome.examined, outcome.seconds, jobs,
                outcome.end == SearchEnd::stopped ? " (interrupted)" : "", directory.c_str());
    std::printf("rejected:");
    for (int v = 1; v < verdictCount - 1; ++v)
        std::printf(" %llu %s%s", (unsigned long long)outcome.verdicts[std::size_t(v)],
                    verdictName(Verdict(v)), v + 2 < verdictCount ? "," : "\n");
}

bool writeText(const std::string& fileName, const std::string& text) {
    std::ofstream out(fileName, std::ios::binary);
    out << text;
    out.close();
    return bool(out);
}

// Everything goes into the temporary directory, which is renamed at the end.
std::string writeOutput(const OutputSettings& output, const SearchOutcome& outcome,
                        const std::string& temporary) {
    try {
        const std::vector<QImage> thumbnails = writeResults(output, outcome.results, temporary);
        if (!contactSheet(thumbnails, outcome.results)
                 .save(QString::fromStdString(temporary + "/contact-sheet.png")))
            return "cannot write the contact sheet";
        if (!writeText(temporary + "/summary.csv", summaryCsv(output, outcome.results)))
            return "cannot write the summary";
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return {};
}

// Writes into the temporary directory, then renames it to the target.
std::string writeAndFinish(const OutputSettings& output, const SearchOutcome& outcome,
                           const std::string& temporary, const std::string& target) {
    // The contact sheet's labels need fonts, which need the application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char appName[] = "gyrelune-cli";
    char* appArgv[] = {appName, nullptr};
    // Its start-up notes (such as a missing runtime directory) do not concern a command-line run.
    const QtMessageHandler previousHandler =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(appArgc, appArgv);
    qInstallMessageHandler(previousHandler);
    std::string error = writeOutput(output, outcome, temporary);
    if (error.empty()) error = finishOutput(temporary, target);
    return error;
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
    std::vector<ParameterRange> ranges;
    std::string temporary, error = loadBase(options.document, output.base);
    if (error.empty()) error = formulaParameters(output.base, output.parameters);
    if (!error.empty()) return failWith(error);
    if (error = applyIntervals(options.intervals, output.parameters); !error.empty())
        return failWith(error, exitBadUsage);
    if (error.empty()) error = searchRanges(output.parameters, ranges);
    if (error.empty()) error = prepareOutput(options.output, temporary);
    if (!error.empty()) return failWith(error);

    const SearchSettings settings = searchSettings(options, output.base, ranges);
    const ClassifierSettings& classifier = settings.classifier;
    output.fitSteps = classifier.transientSteps + classifier.alignSteps + classifier.measuredSteps +
                      classifier.confirmationSteps;
    const SearchOutcome outcome = searchWithProgress(settings, stopSignals);
    if (outcome.results.empty()) {
        std::filesystem::remove_all(temporary);
        std::fprintf(stderr, "gyrelune-cli search: no strange attractor found in %llu candidates\n",
                     (unsigned long long)outcome.examined);
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
