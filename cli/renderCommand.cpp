// gyrelune-cli render: the program's first drawing, without windows.
#include "cli/commands.h"

#include "core/atrDocument.h"
#include "core/headlessSession.h"
#include "render/directDriver.h"
#include "render/orbitPipeline.h"
#include "render/pictureFile.h"
#include "render/renderCore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>

namespace gyrelune::cli {
namespace {

constexpr int maximumSide = 16384;
constexpr long long maximumArea = 16LL * 1024 * 1024;

struct RenderOptions {
    std::string document; // empty: the program's defaults
    int width = 600, height = 600;
    unsigned long long steps = 1000000;
    std::string gain = "1500";
    bool progress = false;
    int threads = 0; // 0: as many as pay, else 1 or 2
    std::string output;
};

int usageError(const std::string& message) {
    std::fprintf(stderr, "gyrelune-cli render: %s\n", message.c_str());
    std::fputs("usage: gyrelune-cli render [DOC.atr] [--size WxH] [--steps N] [--gain G] "
               "[--threads 1|2] [--progress] -o OUT\n",
               stderr);
    return 2;
}

bool parseCount(const char* text, unsigned long long& value) {
    if (!*text || std::strchr(text, '-')) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0';
}

bool parseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    unsigned long long w, h;
    if (!parseCount(text.substr(0, x).c_str(), w) || !parseCount(text.substr(x + 1).c_str(), h))
        return false;
    if (w < 1 || h < 1 || w > maximumSide || h > maximumSide) return false;
    if ((long long)(w * h) > maximumArea) return false;
    width = int(w);
    height = int(h);
    return true;
}

// Returns an error message, empty when the options are sound.
std::string parseOptions(int argc, char** argv, RenderOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--size") {
            if (!value(text) || !parseSize(text, options.width, options.height))
                return "--size needs WxH, each side 1 to 16384 and at most 16777216 pixels";
        } else if (arg == "--steps") {
            if (!value(text) || !parseCount(text.c_str(), options.steps))
                return "--steps needs a non-negative whole number";
        } else if (arg == "--gain") {
            if (!value(options.gain)) return "--gain needs a value";
        } else if (arg == "--threads") {
            if (!value(text) || (text != "1" && text != "2")) return "--threads needs 1 or 2";
            options.threads = text == "1" ? 1 : 2;
        } else if (arg == "--progress") {
            options.progress = true;
        } else if (arg == "-o") {
            if (!value(options.output) || options.output.empty()) return "-o needs a file name";
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (options.document.empty()) {
            options.document = arg;
        } else {
            return "more than one document given";
        }
    }
    if (options.output.empty()) return "no output file given (-o OUT)";
    if (pictureFormatOf(options.output, true) == PictureFormat::none)
        return "the output name must end in \".jpg\", \".bmp\" or \".png\"";
    return {};
}

class ProgressBar {
  public:
    ProgressBar(bool shown, unsigned long long total) : shown_(shown), total_(total) {}
    void update(unsigned long long done) {
        if (!shown_) return;
        const int percent = total_ ? int(done * 100 / total_) : 100;
        if (percent == last_) return;
        last_ = percent;
        const int filled = percent * 40 / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(std::size_t(filled), '#').c_str(),
                     std::string(std::size_t(40 - filled), ' ').c_str(), percent);
        if (percent == 100) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

  private:
    bool shown_;
    unsigned long long total_;
    int last_ = -1;
};

} // namespace

int renderCommand(int argc, char** argv) {
    RenderOptions options;
    if (const std::string error = parseOptions(argc, argv, options); !error.empty())
        return usageError(error);

    RenderCore core;
    DirectDrawServices services(core, options.width, options.height);
    try {
        ReadResult read;
        if (!options.document.empty()) {
            read = readAtrDocument(options.document);
            if (read.stage == ReadStage::nothing)
                return usageError("cannot read '" + options.document + "': " + read.error);
        }
        startHeadlessDrawing(options.document.empty() ? nullptr : &read, options.gain, services);
    } catch (const std::exception& failure) {
        return usageError("cannot draw '" + options.document + "': " + failure.what());
    }

    // The restart is taken over at once rather than after the first 100 steps.
    core.applyPendingSettings();
    DirectDriver driver;
    ProgressBar progress(options.progress || ::isatty(STDERR_FILENO), options.steps);
    constexpr unsigned long long progressEvery = 65536;
    OrbitPipeline pipeline(core, options.threads == 2 ? OrbitPipeline::Mode::twoThreads
                                                      : OrbitPipeline::Mode::adaptive);
    OrbitPipeline* const feed = options.threads == 1 ? nullptr : &pipeline;
    for (unsigned long long step = 0; step < options.steps; ++step) {
        core.executePass(driver, feed);
        if (step % progressEvery == 0) progress.update(step);
    }
    pipeline.stop();
    progress.update(options.steps);

    JpegEncoder encoder;
    if (const std::string reason = writePictureFile(core.picture(), options.output, true, encoder);
        !reason.empty()) {
        std::fprintf(stderr, "gyrelune-cli render: cannot write '%s': %s\n", options.output.c_str(),
                     reason.c_str());
        return 2;
    }
    return 0;
}

} // namespace gyrelune::cli
