// gyrelune-cli film: keyframe documents rendered frame by frame into a video
// or a folder of frames.
#include "cli/commands.h"
#include "cli/filmOptions.h"
#include "cli/filmProgress.h"
#include "cli/stopSignals.h"
#include "core/filmKeys.h"
#include "studio/film/filmRenderer.h"
#include "studio/film/frameRange.h"

#include <QCommandLineParser>

#include <filesystem>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli film");

int stopped(FilmProgressBar& bar, const QString& kept) {
    bar.finish();
    return failure(command, QStringLiteral("stopped; ") + kept);
}

// Renders the range's missing frames into the folder, each renamed into place
// once written, so that a rerun goes on where this one stopped.
int renderIntoFolder(FilmRenderer& renderer, const FilmOptions& options, FilmProgressBar& bar,
                     const StopSignals& stop) {
    std::error_code error;
    std::filesystem::create_directories(options.output, error);
    if (!std::filesystem::is_directory(options.output))
        return failure(command, QString::fromStdString("cannot make the folder '" + options.output +
                                                       "': " + error.message()));
    const std::vector<int> frames = framesToRender(options.output, options.range);
    const int finished = options.range.count() - int(frames.size());
    const QString kept =
        QString::fromStdString("the finished frames are in '" + options.output + "'");
    bar.update(finished);
    if (frames.empty()) return exitDone;
    if (!renderer.prepare(&stop.requested())) return stopped(bar, kept);
    RgbFrame picture;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int done = finished + int(i);
        if (!renderer.renderFrame(frames[i], picture, &stop.requested(),
                                  [&](double share) { bar.update(done, share); }))
            return stopped(bar, kept);
        writeFramePng((std::filesystem::path(options.output) / frameFileName(frames[i])).string(),
                      picture);
        bar.update(done + 1);
    }
    bar.finish();
    return exitDone;
}

int renderIntoVideo(FilmRenderer& renderer, const FilmOptions& options, FilmProgressBar& bar,
                    const StopSignals& stop) {
    VideoWriter writer(options.output, filmFormatOf(options.output), options.video);
    const QString kept = QStringLiteral("no film written");
    if (!renderer.prepare(&stop.requested())) return stopped(bar, kept);
    RgbFrame picture;
    for (int frame = 0; frame < options.plan.frameCount; ++frame) {
        if (!renderer.renderFrame(frame, picture, &stop.requested(),
                                  [&](double share) { bar.update(frame, share); }))
            return stopped(bar, kept);
        writer.addFrame(picture);
        bar.update(frame + 1);
    }
    writer.finish();
    bar.finish();
    return exitDone;
}

} // namespace

int filmCommand(const QStringList& arguments) {
    FilmParser p;
    if (!p.parser.parse(arguments)) return badUsage(command, p.parser.errorText(), filmUsage());
    if (p.parser.isSet(p.help)) {
        printText(helpText(p.parser, filmUsage()));
        return exitDone;
    }
    FilmOptions options;
    if (const QString problem = readFilmOptions(p, options); !problem.isEmpty())
        return badUsage(command, problem, filmUsage());
    try {
        options.plan.keys = readFilmKeys(options.keyFiles, options.gain);
    } catch (const FilmKeyError& error) {
        return failure(command, QString::fromStdString(error.what()));
    }
    if (const std::string problem = filmPlanProblem(options.plan); !problem.empty())
        return failure(command, QString::fromStdString(problem));

    StopSignals stop;
    FilmRenderer renderer(options.plan, options.look);
    FilmProgressBar bar(options.progress, options.range.count());
    try {
        if (filmFormatOf(options.output) == FilmFormat::frameFolder)
            return renderIntoFolder(renderer, options, bar, stop);
        return renderIntoVideo(renderer, options, bar, stop);
    } catch (const std::exception& error) {
        bar.finish();
        return failure(command, QString::fromStdString(error.what()));
    }
}

} // namespace gyrelune::cli
