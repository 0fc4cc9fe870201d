// gyrelune-cli poster: a document rendered by the density renderer at any
// size, on every core, into a picture and/or a state file.
#include "cli/commands.h"
#include "cli/progressBar.h"
#include "cli/stopSignals.h"
#include "cli/studioOutput.h"

#include "core/atrDocument.h"
#include "core/headlessSession.h"
#include "render/renderCore.h"
#include "studio/stateFile.h"

#include <QCommandLineParser>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <stdexcept>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli poster");
const QString usage =
    QStringLiteral("gyrelune-cli poster [DOC.atr] -o OUT --size WxH [--supersample S] "
                   "[--quality Q | --points N] [--look window|log] [--brightness B] [--gamma G] "
                   "[--vibrancy V] [--fit] [--seed K] [--threads T] [--depth 8|16] "
                   "[--state FILE] [--resume FILE] [--shard I/N] [--window WxH]");

constexpr long long largestSide = 1 << 20;
constexpr SizeLimits posterSides{1, largestSide, largestSide* largestSide};
constexpr double defaultQuality = 50;

struct PosterOptions {
    std::string document, resume;
    int width = 0, height = 0, windowWidth = 576, windowHeight = 551;
    int supersample = 2;
    bool sizeGiven = false, windowGiven = false, supersampleGiven = false, seedGiven = false;
    double quality = defaultQuality;
    unsigned long long points = 0; // 0: from the quality
    unsigned long long seed = 0;
    int threads = 0;
    bool fit = false;
    unsigned shardIndex = 0, shardCount = 1;
    OutputChoice output;
};

bool parseWhole(const QString& text, unsigned long long& value) {
    const std::string s = text.toStdString();
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    value = std::strtoull(s.c_str(), nullptr, 10);
    return errno == 0;
}

struct PosterParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption size{QStringLiteral("size"), QStringLiteral("The poster's size in pixels."),
                            QStringLiteral("WxH")};
    QCommandLineOption supersample{
        QStringLiteral("supersample"),
        QStringLiteral("S x S samples per pixel, filtered down (default 2)."), QStringLiteral("S")};
    QCommandLineOption quality{QStringLiteral("quality"),
                               QStringLiteral("Orbit points per poster pixel (default 50)."),
                               QStringLiteral("Q")};
    QCommandLineOption points{QStringLiteral("points"),
                              QStringLiteral("Orbit points of the whole render instead."),
                              QStringLiteral("N")};
    QCommandLineOption fit{QStringLiteral("fit"),
                           QStringLiteral("Fit the figure into the poster as Centre does, instead "
                                          "of the image window's view scaled up.")};
    QCommandLineOption window{QStringLiteral("window"),
                              QStringLiteral("The image window's size the view was framed in "
                                             "(default: the document's, else 576x551)."),
                              QStringLiteral("WxH")};
    QCommandLineOption seed{QStringLiteral("seed"),
                            QStringLiteral("Chooses the orbits' start points (default 0)."),
                            QStringLiteral("K")};
    QCommandLineOption threads{QStringLiteral("threads"),
                               QStringLiteral("Worker threads (default: one per core)."),
                               QStringLiteral("T")};
    QCommandLineOption shard{QStringLiteral("shard"),
                             QStringLiteral("Render only the I-th of N disjoint sets of the "
                                            "orbits (I from 0 to N-1); merge the states."),
                             QStringLiteral("I/N")};
    QCommandLineOption resume{
        QStringLiteral("resume"),
        QStringLiteral("Add orbits to this state until --points or --quality is reached."),
        QStringLiteral("FILE")};
    LookOptions look;

    PosterParser() {
        parser.setApplicationDescription(QStringLiteral(
            "Renders DOC (or the default attractor) with many orbits on every core into a\n"
            "supersampled density and tone-maps it into OUT; --state keeps the density."));
        parser.addOptions(
            {help, size, supersample, quality, points, fit, window, seed, threads, shard, resume});
        look.addTo(parser);
        parser.addPositionalArgument(QStringLiteral("DOC.atr"),
                                     QStringLiteral("The attractor document."),
                                     QStringLiteral("[DOC.atr]"));
    }
};

QString readCounts(const PosterParser& p, PosterOptions& o) {
    const QCommandLineParser& q = p.parser;
    unsigned long long n;
    if (q.isSet(p.supersample)) {
        if (!parseWhole(q.value(p.supersample), n) || n < 1 || n > 16)
            return QStringLiteral("--supersample needs a whole number from 1 to 16");
        o.supersample = int(n);
        o.supersampleGiven = true;
    }
    if (q.isSet(p.quality) && q.isSet(p.points))
        return QStringLiteral("--quality and --points exclude each other");
    if (q.isSet(p.quality)) {
        bool ok = false;
        o.quality = q.value(p.quality).toDouble(&ok);
        if (!ok || !(o.quality > 0 && o.quality <= 1e9))
            return QStringLiteral("--quality needs a number above 0");
    }
    if (q.isSet(p.points) && (!parseWhole(q.value(p.points), o.points) || o.points == 0))
        return QStringLiteral("--points needs a whole number above 0");
    if (q.isSet(p.seed) && !parseWhole(q.value(p.seed), o.seed))
        return QStringLiteral("--seed needs a whole number");
    o.seedGiven = q.isSet(p.seed);
    if (q.isSet(p.threads)) {
        if (!parseWhole(q.value(p.threads), n) || n < 1 || n > 1024)
            return QStringLiteral("--threads needs a whole number from 1 to 1024");
        o.threads = int(n);
    }
    if (q.isSet(p.shard)) {
        const QStringList parts = q.value(p.shard).split(QLatin1Char('/'));
        unsigned long long i, count;
        if (parts.size() != 2 || !parseWhole(parts[0], i) || !parseWhole(parts[1], count) ||
            count < 1 || count > 1000000 || i >= count)
            return QStringLiteral("--shard needs I/N with 0 <= I < N");
        o.shardIndex = unsigned(i);
        o.shardCount = unsigned(count);
    }
    return {};
}

QString readOptions(const PosterParser& p, PosterOptions& o) {
    const QCommandLineParser& q = p.parser;
    const QStringList documents = q.positionalArguments();
    if (documents.size() > 1) return QStringLiteral("more than one document given");
    if (!documents.isEmpty()) o.document = localName(documents.first());
    if (q.isSet(p.size)) {
        if (!readPictureSize(q.value(p.size), o.width, o.height, posterSides))
            return QStringLiteral("--size needs WxH, each side from 1 to 1048576");
        o.sizeGiven = true;
    }
    if (q.isSet(p.window) &&
        !readPictureSize(q.value(p.window), o.windowWidth, o.windowHeight, posterSides))
        return QStringLiteral("--window needs WxH, each side from 1 to 1048576");
    o.windowGiven = q.isSet(p.window);
    if (q.isSet(p.resume)) o.resume = localName(q.value(p.resume));
    if (!o.sizeGiven && o.resume.empty()) return QStringLiteral("no size given (--size WxH)");
    o.fit = q.isSet(p.fit);
    if (QString problem = readCounts(p, o); !problem.isEmpty()) return problem;
    return readOutputChoice(q, p.look, o.output);
}

// The document's settings as Draw hands them to the window's renderer, and
// the window's size it was framed in (unless --window gives one).
RenderSettings documentSettings(PosterOptions& o) {
    ReadResult read;
    if (!o.document.empty()) {
        read = readAtrDocument(o.document);
        if (read.stage == ReadStage::nothing) throw std::runtime_error(read.error);
        if (!o.windowGiven) takeDocumentPictureSize(read, o.windowWidth, o.windowHeight);
    }
    RenderCore core;
    DirectDrawServices services(core, o.windowWidth, o.windowHeight);
    startHeadlessDrawing(o.document.empty() ? nullptr : &read, {}, services);
    return core.submitted();
}

// Takes size, supersampling and seed over from the state to resume; a message if they clash.
QString takeResumed(const AccumulationHeader& h, PosterOptions& o) {
    if ((o.sizeGiven && (o.width != h.width || o.height != h.height)) ||
        (o.supersampleGiven && o.supersample != h.supersample) || (o.seedGiven && o.seed != h.seed))
        return QStringLiteral("the size, supersampling or seed differ from the state's");
    o.width = h.width;
    o.height = h.height;
    o.supersample = h.supersample;
    o.seed = h.seed;
    return {};
}

StudioSettings studioSettings(const PosterOptions& o, const RenderSettings& document) {
    StudioSettings s;
    s.document = document;
    s.windowWidth = o.windowWidth;
    s.windowHeight = o.windowHeight;
    s.width = o.width;
    s.height = o.height;
    s.supersample = o.supersample;
    s.fit = o.fit;
    s.seed = o.seed;
    const double fromQuality = o.quality * double(o.width) * double(o.height);
    s.points = o.points ? o.points : (unsigned long long)(std::min(fromQuality, 1e19) + 0.5);
    s.shardIndex = o.shardIndex;
    s.shardCount = o.shardCount;
    s.threads = o.threads;
    return s;
}

std::uint64_t resumedEnd(const OrbitSet& orbits) {
    std::uint64_t end = 0;
    for (const OrbitPiece& p : orbits)
        end = std::max(end, p.end);
    return end;
}

int renderPoster(PosterOptions& o) {
    Accumulation grid;
    if (!o.resume.empty()) {
        if (std::string problem = readStateHeader(o.resume, grid.header); !problem.empty())
            return failure(command,
                           QString::fromStdString("cannot resume '" + o.resume + "': " + problem));
        if (QString problem = takeResumed(grid.header, o); !problem.isEmpty())
            return failure(command, problem);
    }
    if (QString problem = memoryProblem(o.width, o.height, o.supersample); !problem.isEmpty())
        return failure(command, problem);
    RenderSettings document;
    try {
        document = documentSettings(o);
    } catch (const std::exception& error) {
        return failure(command,
                       QString::fromStdString("cannot read '" + o.document + "': " + error.what()));
    }
    const StudioSettings settings = studioSettings(o, document);
    DensityRenderer renderer(settings);
    std::uint64_t begin = 0;
    if (o.resume.empty()) {
        grid.header = renderer.header();
        grid.allocate();
    } else {
        if (std::string problem = readStateFile(o.resume, grid); !problem.empty())
            return failure(command,
                           QString::fromStdString("cannot resume '" + o.resume + "': " + problem));
        AccumulationHeader fresh = renderer.header();
        if (const std::string problem = mergeProblem(grid.header, fresh); !problem.empty())
            return failure(command,
                           QString::fromStdString("cannot resume '" + o.resume + "': " + problem));
        begin = resumedEnd(grid.header.orbits);
    }
    const std::uint64_t end = std::max(begin, orbitCountFor(settings.points, settings.orbitLength));
    StopSignals stopSignals;
    ProgressBar bar(o.output.progress);
    const bool complete = renderer.render(
        grid, begin, end,
        [&bar](const RenderProgress& p) {
            bar.update(p.pointsTotal ? double(p.pointsDone) / double(p.pointsTotal) : 1,
                       progressDetail(p));
        },
        &stopSignals.requested());
    bar.finish();
    if (!complete) {
        OutputChoice stateOnly = o.output;
        stateOnly.picture.clear();
        if (!stateOnly.state.empty()) {
            if (QString problem = writeOutputs(grid, stateOnly); !problem.isEmpty())
                return failure(command, problem);
            return failure(command, QStringLiteral("stopped; the state keeps the orbits done: "
                                                   "--resume it to go on"));
        }
        return failure(command, QStringLiteral("stopped; nothing written"));
    }
    if (QString problem = writeOutputs(grid, o.output); !problem.isEmpty())
        return failure(command, problem);
    return exitDone;
}

} // namespace

int posterCommand(const QStringList& arguments) {
    PosterParser parser;
    if (const auto done = parseArguments(parser.parser, parser.help, arguments, command, usage))
        return *done;
    PosterOptions options;
    if (const QString error = readOptions(parser, options); !error.isEmpty())
        return badUsage(command, error, usage);
    try {
        return renderPoster(options);
    } catch (const std::bad_alloc&) {
        return failure(command, QStringLiteral("out of memory: choose a smaller size or fewer "
                                               "samples (--supersample)"));
    } catch (const std::exception& error) {
        return failure(command, QString::fromUtf8(error.what()));
    }
}

} // namespace gyrelune::cli
