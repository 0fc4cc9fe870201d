// gyrelune-cli render: the program's first drawing, without windows.
#include "cli/commands.h"
#include "cli/progressBar.h"

#include "core/atrDocument.h"
#include "core/documentWarnings.h"
#include "core/headlessSession.h"
#include "formula/nonFinite.h"
#include "render/directDriver.h"
#include "render/orbitPipeline.h"
#include "render/pictureFile.h"
#include "render/renderCore.h"

#include <QCommandLineParser>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli render");
const QString usage = QStringLiteral("gyrelune-cli render [DOC.atr] [--size WxH] [--steps N] "
                                     "[--gain G] [--threads 1|2] [--progress | --quiet] -o OUT");

struct RenderOptions {
    std::string document; // empty: the program's defaults
    int width = 600, height = 600;
    bool sizeGiven = false;
    unsigned long long steps = 1000000;
    std::string gain; // empty: the document's, else the default
    int threads = 0;  // 0: as many as pay, else 1 or 2
    bool progress = false;
    std::string output;
};

bool parseCount(const char* text, unsigned long long& value) {
    if (!*text || std::strchr(text, '-')) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0';
}

std::string localName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

struct RenderParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral("The picture's size in pixels (default: the document's, else 600x600)."),
        QStringLiteral("WxH")};
    QCommandLineOption steps{QStringLiteral("steps"),
                             QStringLiteral("How many steps to draw (default 1000000)."),
                             QStringLiteral("N")};
    QCommandLineOption gain{
        QStringLiteral("gain"),
        QStringLiteral("The gain, a number or formula (default: the document's, else 1500)."),
        QStringLiteral("G")};
    QCommandLineOption progress{
        QStringLiteral("progress"),
        QStringLiteral(
            "Show a progress bar on standard error (the default when it is a terminal).")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                             QStringLiteral("Show no progress bar.")};
    QCommandLineOption threads{
        QStringLiteral("threads"),
        QStringLiteral("1: one thread; 2: the orbit and the picture on two threads "
                       "(default: two while that pays)."),
        QStringLiteral("1|2")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The picture file: .jpg, .bmp or .png."),
                              QStringLiteral("OUT")};

    RenderParser() {
        parser.setApplicationDescription(
            QStringLiteral("Opens DOC (or the default attractor), draws it at W x H for N steps\n"
                           "with gain G and writes the picture to OUT."));
        parser.addOptions({help, size, steps, gain, threads, progress, quiet, output});
        parser.addPositionalArgument(QStringLiteral("DOC.atr"),
                                     QStringLiteral("The attractor document to draw."),
                                     QStringLiteral("[DOC.atr]"));
    }
};

// Returns an error message, empty when the options are sound.
QString readOptions(const RenderParser& p, RenderOptions& options) {
    const QStringList documents = p.parser.positionalArguments();
    if (documents.size() > 1) return QStringLiteral("more than one document given");
    if (!documents.isEmpty()) options.document = localName(documents.first());
    if (p.parser.isSet(p.size) &&
        !readPictureSize(p.parser.value(p.size), options.width, options.height))
        return QStringLiteral("--size needs WxH, each side 1 to 16384 and at most 16777216 pixels");
    options.sizeGiven = p.parser.isSet(p.size);
    if (p.parser.isSet(p.steps) &&
        !parseCount(p.parser.value(p.steps).toStdString().c_str(), options.steps))
        return QStringLiteral("--steps needs a non-negative whole number");
    if (p.parser.isSet(p.gain)) options.gain = p.parser.value(p.gain).toStdString();
    if (spellsNonFinite(options.gain)) return QStringLiteral("--gain needs a finite number");
    if (p.parser.isSet(p.threads)) {
        const QString text = p.parser.value(p.threads);
        if (text != QLatin1String("1") && text != QLatin1String("2"))
            return QStringLiteral("--threads needs 1 or 2");
        options.threads = text.toInt();
    }
    if (p.parser.isSet(p.progress) && p.parser.isSet(p.quiet))
        return QStringLiteral("--progress and --quiet exclude each other");
    options.progress =
        p.parser.isSet(p.progress) || (!p.parser.isSet(p.quiet) && ::isatty(STDERR_FILENO));
    if (p.parser.isSet(p.output)) options.output = localName(p.parser.value(p.output));
    if (p.parser.isSet(p.output) && options.output.empty())
        return QStringLiteral("-o needs a file name");
    if (options.output.empty()) return QStringLiteral("no output file given (-o OUT)");
    if (pictureFormatOf(options.output, true) == PictureFormat::none)
        return QStringLiteral("the output name must end in \".jpg\", \".bmp\" or \".png\"");
    return {};
}

// Drawn all the same, as the window would draw it.
void warnAbout(const std::string& document, std::string_view bytes) {
    for (const std::string& warning : documentWarnings(bytes))
        printText(command + QString::fromStdString(": warning: '" + document + "': " + warning) +
                      QLatin1Char('\n'),
                  true);
}

} // namespace

int renderCommand(const QStringList& arguments) {
    RenderParser parser;
    if (const auto done = parseArguments(parser.parser, parser.help, arguments, command, usage))
        return *done;
    RenderOptions options;
    if (const QString error = readOptions(parser, options); !error.isEmpty())
        return badUsage(command, error, usage);

    ReadResult read;
    if (!options.document.empty()) {
        std::string bytes;
        if (readDocumentBytes(options.document, bytes, read.error)) read = parseAtrDocument(bytes);
        if (read.stage == ReadStage::nothing)
            return failure(command, QString::fromStdString("cannot read '" + options.document +
                                                           "': " + read.error));
        warnAbout(options.document, bytes);
        if (!options.sizeGiven) takeDocumentPictureSize(read, options.width, options.height);
    }
    RenderCore core;
    DirectDrawServices services(core, options.width, options.height);
    try {
        startHeadlessDrawing(options.document.empty() ? nullptr : &read, options.gain, services);
    } catch (const std::exception& error) {
        return failure(command, QString::fromStdString("cannot draw '" + options.document +
                                                       "': " + error.what()));
    }

    // The restart is taken over at once rather than after the first 100 steps.
    core.applyPendingSettings();
    DirectDriver driver;
    ProgressBar progress(options.progress);
    constexpr unsigned long long progressEvery = 65536;
    OrbitPipeline pipeline(core.orbit(), options.threads == 2 ? OrbitPipeline::Mode::twoThreads
                                                              : OrbitPipeline::Mode::adaptive);
    OrbitPipeline* const feed = options.threads == 1 ? nullptr : &pipeline;
    for (unsigned long long step = 0; step < options.steps; ++step) {
        core.executePass(driver, feed);
        if (step % progressEvery == 0) progress.update(double(step) / double(options.steps));
    }
    pipeline.stop();
    progress.update(1);
    progress.finish();

    JpegEncoder encoder;
    if (const std::string reason = writePictureFile(core.picture(), options.output, true, encoder,
                                                    MessageLanguage::english);
        !reason.empty())
        return failure(command,
                       QString::fromStdString("cannot write '" + options.output + "': " + reason));
    return exitDone;
}

} // namespace gyrelune::cli
