#pragma once
// Frame counts, frame ranges and the numbered frame files of a frame folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gyrelune {

// Frames first to last, both included.
struct FrameRange {
    int first = 0, last = 0;
    int count() const { return last - first + 1; }
    friend bool operator==(const FrameRange&, const FrameRange&) = default;
};

// The frames of seconds at fps, rounded, at least one.
int frameCountOf(double seconds, double fps);

// "A-B" (or a single "A") within a film of frameCount frames; none, with
// error set, when the text is malformed or outside the film.
std::optional<FrameRange> parseFrameRange(std::string_view text, int frameCount,
                                          std::string& error);

// Part (0 to parts - 1) of the film split into parts runs of frames as even
// as can be; empty (count() 0) when there are more parts than frames.
FrameRange framePart(int part, int parts, int frameCount);

// "frame-000042.png".
std::string frameFileName(int frame);
// The frame number of such a name; none for any other name.
std::optional<int> frameNumberOf(std::string_view fileName);

// The frames of range that are not yet in the folder.
std::vector<int> framesToRender(const std::string& folder, const FrameRange& range);

// The frame files of a folder in order; error set (and none) when the numbers
// do not run from 0 without a gap.
std::optional<std::vector<std::string>> frameFilesOf(const std::string& folder, std::string& error);

} // namespace gyrelune
