#pragma once
// What the poster dialog asks for, without widgets: the size presets and the
// checks a request must pass before a render is started.

#include <cstdint>
#include <string>

namespace gyrelune {

enum class PosterPreset {
    window, // the image window's size
    fullHd,
    ultraHd,
    a4Landscape,
    a4Portrait,
    a3Landscape,
    a3Portrait,
    free
};
constexpr int posterPresetCount = 8;

struct PosterSize {
    int width = 0, height = 0;
    double dotsPerInch = 0; // 0: not meant for paper
    friend bool operator==(const PosterSize&, const PosterSize&) = default;
};

// The preset's size; `window` gives the image window's, `free` keeps `current`.
PosterSize presetSize(PosterPreset preset, PosterSize window, PosterSize current);

enum class PosterLook { window, log };

struct PosterRequest {
    PosterSize size{1920, 1080, 0};
    int supersample = 2; // s x s samples per pixel
    int quality = 100;   // points per pixel
    PosterLook look = PosterLook::window;
    std::string fileName;
    // All the points: quality times the pixels.
    std::uint64_t points() const {
        return std::uint64_t(quality) * std::uint64_t(size.width) * std::uint64_t(size.height);
    }
};

constexpr int posterLargestSide = 65535;
constexpr int posterLargestSupersample = 6;
constexpr int posterLargestQuality = 100000;

enum class PosterProblem {
    none,
    noFile,
    unknownFormat,  // not .png, .jpg, .tif or .exr
    badSize,        // below 1 or above posterLargestSide
    tooWideForJpeg, // a JPEG side above 65500
    badSupersample,
    badQuality,
    tooMuchMemory // the samples would not fit in the memory of this machine
};

// The first thing that keeps the request from being rendered on a machine
// with `memoryBytes` of memory.
PosterProblem posterProblem(const PosterRequest& request, std::uint64_t memoryBytes);

// The bytes the render keeps: its cells.
std::uint64_t posterMemory(const PosterRequest& request);

// The memory of this machine.
std::uint64_t physicalMemory();

} // namespace gyrelune
