#include "cli/studioOutput.h"

#include "studio/imageFile.h"
#include "studio/stateFile.h"

#include <QCommandLineParser>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

bool readNumber(const QString& text, double low, double high, double& value) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !(v >= low && v <= high)) return false;
    value = v;
    return true;
}

// MemAvailable of /proc/meminfo in bytes, or -1.
long long availableMemory() {
    std::ifstream in("/proc/meminfo");
    std::string key;
    long long kilobytes;
    std::string unit;
    while (in >> key >> kilobytes >> unit)
        if (key == "MemAvailable:") return kilobytes * 1024;
    return -1;
}

QString gigabytes(double bytes) {
    return QString::number(bytes / 1e9, 'f', 1) + QStringLiteral(" GB");
}

QString timeText(double seconds) {
    const long long s = std::llround(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return QString::fromLatin1(text);
}

} // namespace

void LookOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({look, brightness, gamma, vibrancy, depth, state, output, progress, quiet});
}

std::string localName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString readOutputChoice(const QCommandLineParser& p, const LookOptions& o, OutputChoice& c) {
    if (p.isSet(o.look)) {
        const QString look = p.value(o.look);
        if (look != QLatin1String("window") && look != QLatin1String("log"))
            return QStringLiteral("--look needs window or log");
        c.tone.look = look == QLatin1String("log") ? Look::log : Look::window;
    }
    if (p.isSet(o.brightness) && !readNumber(p.value(o.brightness), 0, 1e6, c.tone.brightness))
        return QStringLiteral("--brightness needs a number of 0 or more");
    if (p.isSet(o.gamma) && !readNumber(p.value(o.gamma), 0.01, 100, c.tone.gamma))
        return QStringLiteral("--gamma needs a number from 0.01 to 100");
    if (p.isSet(o.vibrancy) && !readNumber(p.value(o.vibrancy), 0, 1, c.tone.vibrancy))
        return QStringLiteral("--vibrancy needs a number from 0 to 1");
    if (p.isSet(o.depth)) {
        const QString depth = p.value(o.depth);
        if (depth != QLatin1String("8") && depth != QLatin1String("16"))
            return QStringLiteral("--depth needs 8 or 16");
        c.depth = depth.toInt();
    }
    if (p.isSet(o.output)) c.picture = localName(p.value(o.output));
    if (p.isSet(o.state)) c.state = localName(p.value(o.state));
    if ((p.isSet(o.output) && c.picture.empty()) || (p.isSet(o.state) && c.state.empty()))
        return QStringLiteral("-o and --state need a file name");
    if (c.picture.empty() && c.state.empty())
        return QStringLiteral("no output given (-o OUT or --state FILE)");
    if (!c.picture.empty() && imageFileFormatOf(c.picture) == ImageFileFormat::none)
        return QStringLiteral("the picture's name must end in .png, .jpg, .tif or .exr");
    if (p.isSet(o.progress) && p.isSet(o.quiet))
        return QStringLiteral("--progress and --quiet exclude each other");
    c.progress = p.isSet(o.progress) || (!p.isSet(o.quiet) && ::isatty(STDERR_FILENO));
    return {};
}

QString memoryProblem(long long width, long long height, int supersample, int grids) {
    const double cells = double(width) * supersample * double(height) * supersample;
    const double needed = cells * sizeof(DensityCell) * grids + 64e6;
    const long long available = availableMemory();
    if (available < 0 || needed <= 0.9 * double(available)) return {};
    QString advice = supersample > 1 ? QStringLiteral("a smaller size or fewer samples "
                                                      "(--supersample %1)")
                                           .arg(supersample - 1)
                                     : QStringLiteral("a smaller size");
    return QStringLiteral("%1 x %2 with %3 x %3 supersampling needs %4 of memory, but only %5 "
                          "are free: choose %6")
        .arg(width)
        .arg(height)
        .arg(supersample)
        .arg(gigabytes(needed), gigabytes(double(available)), advice);
}

std::string progressDetail(const RenderProgress& p) {
    const double rate = p.seconds > 0 ? double(p.pointsDone) / p.seconds : 0;
    const double left = rate > 0 ? double(p.pointsTotal - p.pointsDone) / rate : 0;
    char text[128];
    std::snprintf(text, sizeof text, "%.3g of %.3g points, %.3g points/s, %s left",
                  double(p.pointsDone), double(p.pointsTotal), rate,
                  timeText(left).toLatin1().constData());
    return text;
}

QString writeOutputs(const Accumulation& grid, const OutputChoice& choice) {
    if (!choice.state.empty())
        if (const std::string problem = writeStateFile(grid, choice.state); !problem.empty())
            return QString::fromStdString("cannot write the state '" + choice.state +
                                          "': " + problem);
    if (choice.picture.empty()) return {};
    ToneMapper mapper(grid, choice.tone);
    ImageRows rows;
    rows.width = mapper.width();
    rows.height = mapper.height();
    if (imageFileFormatOf(choice.picture) == ImageFileFormat::exr)
        rows.linear = [&mapper](int y, float* rgb) { mapper.linearRow(y, rgb); };
    else
        rows.levels = [&mapper](int y, std::uint16_t* rgb) { mapper.levelsRow(y, rgb); };
    ImageFileOptions options;
    options.depth = choice.depth;
    if (const std::string problem = writeImageFile(choice.picture, rows, options); !problem.empty())
        return QString::fromStdString(problem);
    return {};
}

} // namespace gyrelune::cli
