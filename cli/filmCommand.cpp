// gyrelune-cli film: keyframe documents rendered frame by frame into a video
// or a folder of frames.
#include "cli/commands.h"
#include "cli/filmOptions.h"
#include "cli/filmProgress.h"
#include "cli/stopSignals.h"
#include "core/filmKeys.h"
#include "core/headlessSession.h"
#include "studio/film/filmJob.h"

#include <QCommandLineParser>

namespace gyrelune::cli {
namespace {

const QString command = QStringLiteral("gyrelune-cli film");

int runFilm(const FilmOptions& options) {
    StopSignals stop;
    FilmRenderer renderer(options.plan, options.look);
    FilmProgressBar bar(options.progress, options.range.count());
    bool complete;
    try {
        complete =
            runFilmJob(renderer, options.output, options.video, options.range, &stop.requested(),
                       [&bar](int finished, double share) { bar.update(finished, share); });
    } catch (const std::exception& error) {
        bar.finish();
        return failure(command, QString::fromStdString(error.what()));
    }
    bar.finish();
    if (complete) return exitDone;
    if (filmFormatOf(options.output) != FilmFormat::frameFolder)
        return failure(command, QStringLiteral("stopped; no film written"));
    return failure(command, QString::fromStdString("stopped; the finished frames are in '" +
                                                   options.output + "'"));
}

} // namespace

int filmCommand(const QStringList& arguments) {
    FilmParser p;
    if (const auto done = parseArguments(p.parser, p.help, arguments, command, filmUsage()))
        return *done;
    FilmOptions options;
    if (const QString problem = readFilmOptions(p, options); !problem.isEmpty())
        return badUsage(command, problem, filmUsage());
    try {
        options.plan.keys = readFilmKeys(options.keyFiles, options.gain);
        // The view is the one the first key was framed in.
        takeDocumentPictureSize(readAtrDocument(options.keyFiles.front()), options.look.windowWidth,
                                options.look.windowHeight);
    } catch (const FilmKeyError& error) {
        return failure(command, QString::fromStdString(error.what()));
    }
    if (const std::string problem = filmPlanProblem(options.plan); !problem.empty())
        return failure(command, QString::fromStdString(problem));
    return runFilm(options);
}

} // namespace gyrelune::cli
