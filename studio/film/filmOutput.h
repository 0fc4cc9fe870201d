#pragma once
// Films written through FFmpeg's libraries: H.264 in MP4 (fast start), VP9 in
// WebM, GIF, or numbered PNG frames in a folder. Every file is written beside
// its target and renamed into place once complete.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace gyrelune {

struct FilmError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class FilmFormat { mp4, webm, gif, frameFolder };

// By the name's ending: .mp4, .webm, .gif; anything else is a frame folder.
FilmFormat filmFormatOf(const std::string& output);
// Why the size cannot be encoded in that format, empty when it can.
std::string filmSizeProblem(FilmFormat format, int width, int height);

// One picture, 8-bit RGB, rows from the top, no padding.
struct RgbFrame {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels; // 3 * width * height
};

// Quality 0 (smallest) to 100 (best); 80 is a good default.
struct VideoSettings {
    int width = 0, height = 0;
    int fps = 30;
    int quality = 80;
};

class VideoWriter {
  public:
    // Opens a file beside target for a .mp4, .webm or .gif. Throws FilmError.
    VideoWriter(const std::string& target, FilmFormat format, const VideoSettings& settings);
    ~VideoWriter(); // without finish(): the file beside the target is removed
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    void addFrame(const RgbFrame& frame); // throws FilmError
    // Flushes the encoder, completes the file and renames it over the target.
    void finish();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// A frame as a PNG file, written beside and renamed into place. Throws FilmError.
void writeFramePng(const std::string& fileName, const RgbFrame& frame);
// Reads a PNG (any of its pixel formats) as 8-bit RGB. Throws FilmError.
RgbFrame readFramePng(const std::string& fileName);

} // namespace gyrelune
