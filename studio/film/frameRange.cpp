#include "studio/film/frameRange.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

namespace gyrelune {
namespace {

constexpr std::string_view prefix = "frame-", suffix = ".png";

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

int frameCountOf(double seconds, double fps) {
    const double frames = std::round(seconds * fps);
    if (!(frames >= 1)) return 1;
    return frames > 1e7 ? 10000000 : int(frames);
}

std::optional<FrameRange> parseFrameRange(std::string_view text, int frameCount,
                                          std::string& error) {
    const std::size_t dash = text.find('-');
    const auto first = wholeNumber(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : wholeNumber(text.substr(dash + 1));
    if (!first || !last) {
        error = "a frame range is A-B, two frame numbers counted from 0";
        return std::nullopt;
    }
    if (*first > *last || *last >= frameCount) {
        error = "frames " + std::string(text) + " are not within the film's frames 0-" +
                std::to_string(frameCount - 1);
        return std::nullopt;
    }
    return FrameRange{*first, *last};
}

FrameRange framePart(int part, int parts, int frameCount) {
    const auto start = [&](int i) { return int((long long)i * frameCount / parts); };
    return {start(part), start(part + 1) - 1};
}

std::string frameFileName(int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", frame);
    return name;
}

std::optional<int> frameNumberOf(std::string_view fileName) {
    if (fileName.size() <= prefix.size() + suffix.size() || !fileName.starts_with(prefix) ||
        !fileName.ends_with(suffix))
        return std::nullopt;
    return wholeNumber(
        fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size()));
}

std::vector<int> framesToRender(const std::string& folder, const FrameRange& range) {
    std::vector<int> frames;
    std::error_code error;
    for (int frame = range.first; frame <= range.last; ++frame)
        if (!std::filesystem::is_regular_file(std::filesystem::path(folder) / frameFileName(frame),
                                              error))
            frames.push_back(frame);
    return frames;
}

std::optional<std::vector<std::string>> frameFilesOf(const std::string& folder,
                                                     std::string& error) {
    std::map<int, std::string> frames;
    std::error_code code;
    for (const auto& entry : std::filesystem::directory_iterator(folder, code)) {
        const std::string name = entry.path().filename().string();
        if (const auto number = frameNumberOf(name); number && entry.is_regular_file(code))
            frames[*number] = entry.path().string();
    }
    if (code) {
        error = "cannot read the folder '" + folder + "': " + code.message();
        return std::nullopt;
    }
    if (frames.empty()) {
        error = "no frames (frame-000000.png …) in '" + folder + "'";
        return std::nullopt;
    }
    std::vector<std::string> files;
    for (const auto& [number, file] : frames) {
        if (number != int(files.size())) {
            error = "frame " + std::to_string(files.size()) + " is missing from '" + folder + "'";
            return std::nullopt;
        }
        files.push_back(file);
    }
    return files;
}

} // namespace gyrelune
