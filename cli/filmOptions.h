#pragma once
// The film command's command line.

#include "studio/film/filmOutput.h"
#include "studio/film/filmPlan.h"
#include "studio/film/filmRenderer.h"
#include "studio/film/frameRange.h"

#include <QCommandLineParser>

#include <string>
#include <vector>

namespace gyrelune::cli {

struct FilmOptions {
    std::vector<std::string> keyFiles;
    std::string output, gain; // empty: each key's own gain, else the default
    FilmPlan plan;            // without its keys
    FrameRange range;         // the frames to render; the whole film by default
    VideoSettings video;      // fps, quality, size
    FilmLook look;
    bool progress = false;
};

struct FilmParser {
    QCommandLineParser parser;
    QCommandLineOption help, output, seconds, frames, fps, size, quality, look, turn, sweep, ease,
        loop, part, points, supersample, threads, seed, gain, progress, quiet;
    FilmParser();
};

QString filmUsage();
// An error message, empty when the options are sound.
QString readFilmOptions(const FilmParser& parser, FilmOptions& options);

} // namespace gyrelune::cli
