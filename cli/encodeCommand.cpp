// gyrelune-cli encode: a folder of numbered frames joined into a video.
#include "cli/commands.h"
#include "cli/filmProgress.h"
#include "cli/stopSignals.h"
#include "studio/film/filmOutput.h"
#include "studio/film/frameRange.h"

#include <QCommandLineParser>
#include <QFile>

#include <unistd.h>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli encode");
const QString usage =
    QStringLiteral("gyrelune-cli encode DIR -o OUT [--fps F] [--quality Q] [--progress | --quiet]");

struct EncodeParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The film: .mp4 (H.264), .webm (VP9) or .gif."),
                              QStringLiteral("OUT")};
    QCommandLineOption fps{QStringLiteral("fps"),
                           QStringLiteral("Frames per second, 1 to 240 (default 30)."),
                           QStringLiteral("F")};
    QCommandLineOption quality{QStringLiteral("quality"),
                               QStringLiteral("0 (smallest) to 100 (best), default 80."),
                               QStringLiteral("Q")};
    QCommandLineOption progress{QStringLiteral("progress"),
                                QStringLiteral("Show a progress bar on standard error (the "
                                               "default when it is a terminal).")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                             QStringLiteral("Show no progress bar.")};

    EncodeParser() {
        parser.setApplicationDescription(QStringLiteral(
            "Joins the frames frame-000000.png, frame-000001.png ... of DIR (as film --frames\n"
            "writes them) into the film OUT."));
        parser.addOptions({help, output, fps, quality, progress, quiet});
        parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The frame folder."));
    }
};

QString readOptions(const EncodeParser& p, std::string& folder, std::string& output,
                    VideoSettings& video) {
    const QStringList positional = p.parser.positionalArguments();
    if (positional.size() != 1) return QStringLiteral("give one frame folder");
    folder = QFile::encodeName(positional[0]).toStdString();
    output = QFile::encodeName(p.parser.value(p.output)).toStdString();
    if (output.empty()) return QStringLiteral("no output file given (-o OUT)");
    if (filmFormatOf(output) == FilmFormat::frameFolder)
        return QStringLiteral("the output name must end in \".mp4\", \".webm\" or \".gif\"");
    if (p.parser.isSet(p.fps) && !readWhole(p.parser.value(p.fps), 1, 240, video.fps))
        return QStringLiteral("--fps needs a whole number from 1 to 240");
    if (p.parser.isSet(p.quality) && !readWhole(p.parser.value(p.quality), 0, 100, video.quality))
        return QStringLiteral("--quality needs a whole number from 0 to 100");
    if (p.parser.isSet(p.progress) && p.parser.isSet(p.quiet))
        return QStringLiteral("--progress and --quiet exclude each other");
    return {};
}

} // namespace

int encodeCommand(const QStringList& arguments) {
    EncodeParser p;
    if (const auto done = parseArguments(p.parser, p.help, arguments, command, usage)) return *done;
    std::string folder, output, error;
    VideoSettings video;
    if (const QString problem = readOptions(p, folder, output, video); !problem.isEmpty())
        return badUsage(command, problem, usage);
    const auto files = frameFilesOf(folder, error);
    if (!files) return failure(command, QString::fromStdString(error));

    StopSignals stopSignals;
    const bool shown =
        p.parser.isSet(p.progress) || (!p.parser.isSet(p.quiet) && ::isatty(STDERR_FILENO));
    FilmProgressBar bar(shown, int(files->size()));
    try {
        RgbFrame frame = readFramePng(files->front());
        video.width = frame.width;
        video.height = frame.height;
        VideoWriter writer(output, filmFormatOf(output), video);
        for (std::size_t i = 0; i < files->size(); ++i) {
            if (stopSignals.requested()) {
                bar.finish();
                return failure(command, QStringLiteral("stopped; no film written"));
            }
            if (i > 0) frame = readFramePng((*files)[i]);
            writer.addFrame(frame);
            bar.update(int(i + 1));
        }
        writer.finish();
    } catch (const FilmError& failed) {
        bar.finish();
        return failure(command, QString::fromStdString(failed.what()));
    }
    bar.finish();
    return exitDone;
}

} // namespace gyrelune::cli
