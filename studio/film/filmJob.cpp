#include "studio/film/filmJob.h"

#include <filesystem>

namespace gyrelune {
namespace {

// Each frame is renamed into place once written, so a rerun goes on where
// this one stopped.
bool renderIntoFolder(FilmRenderer& renderer, const std::string& folder, const FrameRange& range,
                      const std::atomic<bool>* stop, const FilmJobProgress& progress) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder))
        throw FilmError("cannot make the folder '" + folder + "': " + error.message());
    const std::vector<int> frames = framesToRender(folder, range);
    const int finished = range.count() - int(frames.size());
    progress(finished, 0);
    if (frames.empty()) return true;
    if (!renderer.prepare(stop)) return false;
    RgbFrame picture;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int done = finished + int(i);
        if (!renderer.renderFrame(frames[i], picture, stop,
                                  [&](double share) { progress(done, share); }))
            return false;
        writeFramePng((std::filesystem::path(folder) / frameFileName(frames[i])).string(), picture);
        progress(done + 1, 0);
    }
    return true;
}

bool renderIntoVideo(FilmRenderer& renderer, const std::string& output, const VideoSettings& video,
                     const std::atomic<bool>* stop, const FilmJobProgress& progress) {
    VideoWriter writer(output, filmFormatOf(output), video);
    progress(0, 0);
    if (!renderer.prepare(stop)) return false;
    RgbFrame picture;
    for (int frame = 0; frame < renderer.plan().frameCount; ++frame) {
        if (!renderer.renderFrame(frame, picture, stop,
                                  [&](double share) { progress(frame, share); }))
            return false;
        writer.addFrame(picture);
        progress(frame + 1, 0);
    }
    writer.finish();
    return true;
}

} // namespace

bool runFilmJob(FilmRenderer& renderer, const std::string& output, const VideoSettings& video,
                const FrameRange& range, const std::atomic<bool>* stop,
                const FilmJobProgress& progress) {
    const FilmJobProgress report = progress ? progress : [](int, double) {};
    if (filmFormatOf(output) == FilmFormat::frameFolder)
        return renderIntoFolder(renderer, output, range, stop, report);
    return renderIntoVideo(renderer, output, video, stop, report);
}

} // namespace gyrelune
