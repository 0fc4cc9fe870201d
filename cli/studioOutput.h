#pragma once
// What gyrelune-cli poster and merge share: the look and picture options, the
// memory check, the progress line and writing the picture and the state.

#include "studio/accumulation.h"
#include "studio/densityRenderer.h"
#include "studio/toneMapping.h"

#include <QCommandLineOption>
#include <QString>

#include <cstdint>
#include <string>

class QCommandLineParser;

namespace gyrelune::cli {

struct LookOptions {
    QCommandLineOption look{QStringLiteral("look"),
                            QStringLiteral("window: the image window's look (default); log: "
                                           "log density, smoother dark ends."),
                            QStringLiteral("window|log")};
    QCommandLineOption brightness{QStringLiteral("brightness"),
                                  QStringLiteral("Log look: brightness (default 1)."),
                                  QStringLiteral("B")};
    QCommandLineOption gamma{QStringLiteral("gamma"),
                             QStringLiteral("Log look: gamma (default 2.2)."), QStringLiteral("G")};
    QCommandLineOption vibrancy{
        QStringLiteral("vibrancy"),
        QStringLiteral("Log look: 1 keeps the colours' hue under gamma, 0 applies it per "
                       "channel (default 1)."),
        QStringLiteral("V")};
    QCommandLineOption depth{QStringLiteral("depth"),
                             QStringLiteral("Bits per channel of a PNG: 8 or 16 (default 16)."),
                             QStringLiteral("8|16")};
    QCommandLineOption state{QStringLiteral("state"),
                             QStringLiteral("Also (or only) keep the density in this state file."),
                             QStringLiteral("FILE")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The picture: .png, .jpg, .tif or .exr."),
                              QStringLiteral("OUT")};
    QCommandLineOption progress{
        QStringLiteral("progress"),
        QStringLiteral("Show progress on standard error (the default on a terminal).")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                             QStringLiteral("Show no progress.")};

    void addTo(QCommandLineParser& parser) const;
};

struct OutputChoice {
    ToneSettings tone;
    int depth = 16;
    std::string picture, state; // either may be empty, not both
    bool progress = false;
};

// The options' values; an error message, empty when they are sound.
QString readOutputChoice(const QCommandLineParser& parser, const LookOptions& options,
                         OutputChoice& choice);

// A file name as the system spells it.
std::string localName(const QString& name);

// Whether a grid of width x height at s x s fits the memory this machine has
// free; else the message that says so and what to choose instead.
QString memoryProblem(long long width, long long height, int supersample, int grids = 1);

// The progress line's words: points done, rate and time left.
std::string progressDetail(const RenderProgress& progress);

// Writes the state and the picture the choice names; an error message, empty on success.
QString writeOutputs(const Accumulation& grid, const OutputChoice& choice);

} // namespace gyrelune::cli
