#include "cli/filmOptions.h"

#include "cli/commands.h"
#include "formula/nonFinite.h"

#include <QFile>

#include <cmath>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

QCommandLineOption option(const char* name, const char* description, const char* value = nullptr) {
    if (!value) return {QString::fromLatin1(name), QString::fromLatin1(description)};
    return {QString::fromLatin1(name), QString::fromLatin1(description),
            QString::fromLatin1(value)};
}

bool readNumber(const QString& text, double low, double high, double& value) {
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high;
}

// "Y:360" (an axis X, Y or Z, any case, and degrees).
bool readTurn(const QString& text, FilmTurn& turn) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2) return false;
    const int axis = QStringLiteral("xyz").indexOf(parts[0].toLower());
    double degrees;
    if (parts[0].size() != 1 || axis < 0 || !readNumber(parts[1], -1e6, 1e6, degrees)) return false;
    turn = {axis, degrees};
    return true;
}

// "a=0.5:1.5".
bool readSweep(const QString& text, FilmSweep& sweep) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 1) return false;
    const QStringList ends = text.mid(equals + 1).split(QLatin1Char(':'));
    double from, to;
    if (ends.size() != 2 || !readNumber(ends[0], -1e30, 1e30, from) ||
        !readNumber(ends[1], -1e30, 1e30, to))
        return false;
    sweep = {text.left(equals).toStdString(), from, to};
    return true;
}

QString readLength(const FilmParser& p, FilmOptions& o, bool& ranged) {
    const QCommandLineParser& c = p.parser;
    if (c.isSet(p.fps)) {
        long long fps;
        if (!readWhole(c.value(p.fps), 1, 240, fps))
            return QStringLiteral("--fps needs a whole number from 1 to 240");
        o.video.fps = int(fps);
    }
    double seconds = 5;
    if (c.isSet(p.seconds) && !readNumber(c.value(p.seconds), 0.001, 86400, seconds))
        return QStringLiteral("--seconds needs a length from 0.001 to 86400");
    o.plan.frameCount = frameCountOf(seconds, o.video.fps);
    const QString frames = c.value(p.frames);
    ranged = frames.contains(QLatin1Char('-'));
    if (c.isSet(p.frames) && !ranged) {
        long long count;
        if (c.isSet(p.seconds))
            return QStringLiteral("--seconds and --frames N exclude each other");
        if (!readWhole(frames, 1, 10000000, count))
            return QStringLiteral("--frames needs a frame count N or a frame range A-B");
        o.plan.frameCount = int(count);
    }
    o.range = {0, o.plan.frameCount - 1};
    if (c.isSet(p.part)) {
        const QStringList numbers = c.value(p.part).split(QLatin1Char('/'));
        long long part, parts;
        if (ranged || numbers.size() != 2 || !readWhole(numbers[1], 1, 1000000, parts) ||
            !readWhole(numbers[0], 0, parts - 1, part))
            return QStringLiteral("--part needs I/N with 0 <= I < N, and no frame range beside it");
        o.range = framePart(int(part), int(parts), o.plan.frameCount);
        ranged = true;
    } else if (ranged) {
        std::string error;
        const auto range = parseFrameRange(frames.toStdString(), o.plan.frameCount, error);
        if (!range) return QString::fromStdString(error);
        o.range = *range;
    }
    return {};
}

QString readMotion(const FilmParser& p, FilmOptions& o) {
    const QCommandLineParser& c = p.parser;
    if (c.isSet(p.turn) && !readTurn(c.value(p.turn), o.plan.turn.emplace()))
        return QStringLiteral("--turn needs AXIS:DEGREES, such as Y:360");
    if (c.isSet(p.sweep) && !readSweep(c.value(p.sweep), o.plan.sweep.emplace()))
        return QStringLiteral("--sweep needs NAME=FROM:TO, such as a=1.2:1.6");
    if (c.isSet(p.ease)) {
        const QString ease = c.value(p.ease);
        if (ease != QLatin1String("linear") && ease != QLatin1String("smooth"))
            return QStringLiteral("--ease needs linear or smooth");
        o.plan.ease = ease == QLatin1String("linear") ? FilmEase::linear : FilmEase::smooth;
    }
    o.plan.loop = c.isSet(p.loop);
    return {};
}

QString readPicture(const FilmParser& p, FilmOptions& o) {
    const QCommandLineParser& c = p.parser;
    if (c.isSet(p.size) && !readPictureSize(c.value(p.size), o.look.width, o.look.height, {2}))
        return QStringLiteral("--size needs WxH, each side 2 to 16384 and at most 16777216 pixels");
    long long value;
    if (c.isSet(p.quality)) {
        if (!readWhole(c.value(p.quality), 0, 100, value))
            return QStringLiteral("--quality needs a whole number from 0 to 100");
        o.video.quality = int(value);
    }
    if (c.isSet(p.look)) {
        const QString look = c.value(p.look);
        if (look != QLatin1String("window") && look != QLatin1String("log"))
            return QStringLiteral("--look needs window or log");
        o.look.look = look == QLatin1String("log") ? Look::log : Look::window;
    }
    if (c.isSet(p.points)) {
        if (!readWhole(c.value(p.points), 1, 1000000000000LL, value))
            return QStringLiteral("--points needs a whole number from 1");
        o.look.points = std::uint64_t(value);
    }
    if (c.isSet(p.supersample)) {
        if (!readWhole(c.value(p.supersample), 1, 4, value))
            return QStringLiteral("--supersample needs 1 to 4");
        o.look.supersample = int(value);
    }
    if (c.isSet(p.threads)) {
        if (!readWhole(c.value(p.threads), 1, 256, value))
            return QStringLiteral("--threads needs a whole number from 1 to 256");
        o.look.threads = int(value);
    }
    if (c.isSet(p.seed)) {
        if (!readWhole(c.value(p.seed), 0, 1LL << 62, value))
            return QStringLiteral("--seed needs a non-negative whole number");
        o.look.seed = std::uint64_t(value);
    }
    o.video.width = o.look.width;
    o.video.height = o.look.height;
    return {};
}

} // namespace

FilmParser::FilmParser()
    : help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")),
      output({QStringLiteral("o"), QStringLiteral("output")},
             QStringLiteral("The film: .mp4 (H.264), .webm (VP9), .gif, or else a folder of "
                            "numbered PNG frames."),
             QStringLiteral("OUT")),
      seconds(option("seconds", "The film's length in seconds (default 5).", "T")),
      frames(option("frames",
                    "N: the film's length in frames; A-B: render only frames A to B "
                    "(counted from 0) into the folder OUT.",
                    "N|A-B")),
      fps(option("fps", "Frames per second, 1 to 240 (default 30).", "F")),
      size(option("size", "The frames' size in pixels (default 1280x720).", "WxH")),
      quality(option("quality", "Video quality, 0 (smallest) to 100 (best); default 80.", "Q")),
      look(option("look", "window: as the image window shows it (default); log: log density.",
                  "window|log")),
      turn(option("turn", "A turntable: turns AXIS (X, Y or Z) by DEGREES over the film.",
                  "AXIS:DEG")),
      sweep(option("sweep", "Moves the parameter NAME from A to B over the film.", "NAME=A:B")),
      ease(option("ease",
                  "smooth: a spline through the keys easing in and out (default); "
                  "linear: straight from key to key.",
                  "linear|smooth")),
      loop(option("loop", "Run back to the first key, so the film repeats seamlessly.")),
      part(option("part",
                  "Render only part I (0 to N-1) of N even frame ranges into the "
                  "folder OUT, as a task of a cluster job does.",
                  "I/N")),
      points(option("points", "Points per frame (default 1000000).", "N")),
      supersample(option("supersample", "Cells per pixel side, 1 to 4 (default 2).", "S")),
      threads(option("threads", "Render threads (default: one per core).", "N")),
      seed(option("seed", "The orbits' seed (default 0); every frame uses the same orbits.", "S")),
      gain(option("gain",
                  "The gain of every key, a number or formula (default: each key's, else 1500).",
                  "G")),
      progress(option("progress", "Show a progress bar on standard error (the default when it "
                                  "is a terminal).")),
      quiet({QStringLiteral("q"), QStringLiteral("quiet")},
            QStringLiteral("Show no progress bar.")) {
    parser.setApplicationDescription(QStringLiteral(
        "Renders a film through the keyframe documents KEY.atr: every parameter, the angles,\n"
        "zoom, centre, gain and colours move from key to key (the formulas are the same in\n"
        "every key). One key with --turn or --sweep makes a turntable or a sweep."));
    parser.addOptions({help,        output,  seconds, frames, fps,      size, quality,
                       look,        turn,    sweep,   ease,   loop,     part, points,
                       supersample, threads, seed,    gain,   progress, quiet});
    parser.addPositionalArgument(QStringLiteral("KEY.atr"), QStringLiteral("Keyframe documents."),
                                 QStringLiteral("KEY.atr [KEY.atr ...]"));
}

QString filmUsage() {
    return QStringLiteral(
        "gyrelune-cli film KEY.atr [KEY.atr ...] -o OUT [--seconds T | --frames N] "
        "[--frames A-B | --part I/N] [--fps F] [--size WxH] [--quality Q] [--look window|log] "
        "[--turn AXIS:DEG] [--sweep NAME=A:B] [--ease linear|smooth] [--loop] [--points N] "
        "[--supersample S] [--threads N] [--seed S] [--gain G] [--progress | --quiet]");
}

QString readFilmOptions(const FilmParser& p, FilmOptions& o) {
    const QCommandLineParser& c = p.parser;
    for (const QString& key : c.positionalArguments())
        o.keyFiles.push_back(QFile::encodeName(key).toStdString());
    if (o.keyFiles.empty()) return QStringLiteral("no keyframe document given");
    o.output = QFile::encodeName(c.value(p.output)).toStdString();
    if (o.output.empty()) return QStringLiteral("no output given (-o OUT)");
    bool ranged = false;
    for (const QString& problem : {readLength(p, o, ranged), readMotion(p, o), readPicture(p, o)})
        if (!problem.isEmpty()) return problem;
    const FilmFormat format = filmFormatOf(o.output);
    if (ranged && format != FilmFormat::frameFolder)
        return QStringLiteral("a frame range renders into a folder, not a video file");
    if (const std::string problem = filmSizeProblem(format, o.look.width, o.look.height);
        !problem.empty())
        return QString::fromStdString(problem);
    if (c.isSet(p.gain)) o.gain = c.value(p.gain).toStdString();
    if (spellsNonFinite(o.gain)) return QStringLiteral("--gain needs a finite number");
    if (c.isSet(p.progress) && c.isSet(p.quiet))
        return QStringLiteral("--progress and --quiet exclude each other");
    o.progress = c.isSet(p.progress) || (!c.isSet(p.quiet) && ::isatty(STDERR_FILENO));
    return {};
}

} // namespace gyrelune::cli
