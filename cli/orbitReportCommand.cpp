// gyrelune-cli inspect: what a document's orbit does, measured.
#include "cli/commands.h"

#include "core/figureMeasurement.h"
#include "core/headlessSession.h"
#include "render/directDriver.h"

#include <QCommandLineParser>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli inspect");
const QString usage = QStringLiteral("gyrelune-cli inspect DOC.atr [--start X,Y,Z] [--steps N] "
                                     "[--transient N] [--size WxH] [--json]");
constexpr long long mostSteps = 1000000000000LL;

struct InspectOptions {
    std::string document;
    OrbitPoint start{1, 1, 1};
    InspectionSettings inspection;
    int width = 600, height = 600;
    bool sizeGiven = false, json = false;
};

struct InspectParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption start{QStringLiteral("start"),
                             QStringLiteral("Where the orbit starts (default 1,1,1)."),
                             QStringLiteral("X,Y,Z")};
    QCommandLineOption steps{
        QStringLiteral("steps"),
        QStringLiteral("Steps measured after the transient (default 1000000)."),
        QStringLiteral("N")};
    QCommandLineOption transient{QStringLiteral("transient"),
                                 QStringLiteral("Steps left out first (default 1000)."),
                                 QStringLiteral("N")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral(
            "The picture the fill is measured on (default: the document's, else 600x600)."),
        QStringLiteral("WxH")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print one JSON object.")};

    InspectParser() {
        parser.setApplicationDescription(QStringLiteral(
            "Iterates DOC's map with its parameters at their values and prints the verdict,\n"
            "the Lyapunov spectrum (QR method; the Jacobian by central differences), the\n"
            "Kaplan-Yorke and correlation dimensions, the coordinate ranges and the share of\n"
            "the document's picture that the figure lights."));
        parser.addOptions({help, start, steps, transient, size, json});
        parser.addPositionalArgument(QStringLiteral("DOC.atr"),
                                     QStringLiteral("The attractor document to measure."));
    }
};

bool readCount(const QString& text, long long lowest, std::int64_t& value) {
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (!ok || number < lowest || number > mostSteps) return false;
    value = number;
    return true;
}

bool readStart(const QString& text, OrbitPoint& start) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3) return false;
    double c[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        c[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(c[i])) return false;
    }
    start = {c[0], c[1], c[2]};
    return true;
}

// An error message, empty when the options are sound.
QString readOptions(const InspectParser& p, InspectOptions& options) {
    const QStringList documents = p.parser.positionalArguments();
    if (documents.isEmpty()) return QStringLiteral("no document given");
    if (documents.size() > 1) return QStringLiteral("more than one document given");
    options.document = QFile::encodeName(documents.first()).toStdString();
    if (p.parser.isSet(p.start) && !readStart(p.parser.value(p.start), options.start))
        return QStringLiteral("--start needs three numbers X,Y,Z");
    if (p.parser.isSet(p.steps) && !readCount(p.parser.value(p.steps), 1, options.inspection.steps))
        return QStringLiteral("--steps needs a whole number from 1 to 10^12");
    if (p.parser.isSet(p.transient) &&
        !readCount(p.parser.value(p.transient), 0, options.inspection.transientSteps))
        return QStringLiteral("--transient needs a whole number from 0 to 10^12");
    if (p.parser.isSet(p.size) &&
        !readPictureSize(p.parser.value(p.size), options.width, options.height))
        return QStringLiteral("--size needs WxH, each side 1 to 16384 and at most 16777216 pixels");
    options.sizeGiven = p.parser.isSet(p.size);
    options.json = p.parser.isSet(p.json);
    return {};
}

// JSON has no infinity: a collapsed direction's exponent is null.
std::string number(double value, const char* format = "%.6g") {
    if (!std::isfinite(value)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void printJson(const Inspection& orbit, const LitPixels& drawn) {
    std::printf("{\"verdict\": \"%s\", \"period\": %d, \"lyapunov\": [%s, %s, %s], "
                "\"kaplan_yorke\": %s, \"correlation_dimension\": %s, \"ranges\": "
                "{\"x\": [%s, %s], \"y\": [%s, %s], \"z\": [%s, %s]}, \"fill\": %s, "
                "\"mean_log_det\": %s, \"steps\": %lld}\n",
                behaviourName(orbit.behaviour), orbit.period, number(orbit.lyapunov[0]).c_str(),
                number(orbit.lyapunov[1]).c_str(), number(orbit.lyapunov[2]).c_str(),
                number(orbit.kaplanYorke).c_str(), number(orbit.correlationDimension).c_str(),
                number(orbit.ranges[0].minimum).c_str(), number(orbit.ranges[0].maximum).c_str(),
                number(orbit.ranges[1].minimum).c_str(), number(orbit.ranges[1].maximum).c_str(),
                number(orbit.ranges[2].minimum).c_str(), number(orbit.ranges[2].maximum).c_str(),
                number(drawn.share()).c_str(), number(orbit.meanLogDeterminant).c_str(),
                (long long)orbit.stepsDone);
}

void printText(const Inspection& orbit, const LitPixels& drawn, const InspectOptions& options) {
    std::printf("verdict: %s", behaviourName(orbit.behaviour));
    if (orbit.period > 1) std::printf(" (period %d)", orbit.period);
    std::printf("\nlyapunov exponents: %.5f %.5f %.5f (per step; Jacobian by central "
                "differences)\n",
                orbit.lyapunov[0], orbit.lyapunov[1], orbit.lyapunov[2]);
    std::printf("sum: %.5f, mean log |det J|: %.5f\n",
                orbit.lyapunov[0] + orbit.lyapunov[1] + orbit.lyapunov[2],
                orbit.meanLogDeterminant);
    std::printf("kaplan-yorke dimension: %.4f\ncorrelation dimension: %.4f\n", orbit.kaplanYorke,
                orbit.correlationDimension);
    const char axes[3] = {'x', 'y', 'z'};
    for (std::size_t i = 0; i < 3; ++i)
        std::printf("%c: %.6g to %.6g\n", axes[i], orbit.ranges[i].minimum,
                    orbit.ranges[i].maximum);
    std::printf("fill: %.5f (%lld of %dx%d pixels lit)\nsteps: %lld after %lld\n", drawn.share(),
                (long long)drawn.lit, options.width, options.height, (long long)orbit.stepsDone,
                (long long)options.inspection.transientSteps);
}

// The document opened and drawn as the window would draw it at the size.
LitPixels drawnFill(RenderCore& core, std::int64_t steps) {
    core.applyPendingSettings();
    DirectDriver driver;
    for (std::int64_t step = 0; step < steps; ++step)
        core.executePass(driver);
    return countLitPixels(core.picture(), core.backgroundColour());
}

} // namespace

int inspectCommand(const QStringList& arguments) {
    InspectParser parser;
    if (const auto done = parseArguments(parser.parser, parser.help, arguments, command, usage))
        return *done;
    InspectOptions options;
    if (const QString error = readOptions(parser, options); !error.isEmpty())
        return badUsage(command, error, usage);
    const ReadResult read = readAtrDocument(options.document);
    if (read.stage != ReadStage::complete)
        return failure(command, QString::fromStdString("cannot read '" + options.document +
                                                       "': " + read.error));
    if (!options.sizeGiven) takeDocumentPictureSize(read, options.width, options.height);
    RenderCore core;
    DirectDrawServices services(core, options.width, options.height);
    try {
        startHeadlessDrawing(&read, {}, services);
    } catch (const std::exception& error) {
        return failure(command, QString::fromStdString("cannot draw '" + options.document +
                                                       "': " + error.what()));
    }
    const Inspection orbit = inspectFigure(core.submitted(), options.start, options.inspection);
    const LitPixels drawn =
        drawnFill(core, options.inspection.transientSteps + options.inspection.steps);
    if (options.json)
        printJson(orbit, drawn);
    else
        printText(orbit, drawn, options);
    return exitDone;
}

} // namespace gyrelune::cli
