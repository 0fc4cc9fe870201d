#include "core/posterSettings.h"

#include "studio/imageFile.h"

#include <unistd.h>

namespace gyrelune {
namespace {

// The bytes of one sample cell: a count and three colour sums of 32 bits.
constexpr std::uint64_t cellBytes = 16;

// At 300 dpi: A4 is 210 x 297 mm, A3 297 x 420 mm.
constexpr PosterSize a4{3508, 2480, 300}, a3{4961, 3508, 300};

PosterSize portrait(PosterSize size) {
    return {size.height, size.width, size.dotsPerInch};
}

} // namespace

PosterSize presetSize(PosterPreset preset, PosterSize window, PosterSize current) {
    switch (preset) {
    case PosterPreset::window:
        return {window.width, window.height, 0};
    case PosterPreset::fullHd:
        return {1920, 1080, 0};
    case PosterPreset::ultraHd:
        return {3840, 2160, 0};
    case PosterPreset::a4Landscape:
        return a4;
    case PosterPreset::a4Portrait:
        return portrait(a4);
    case PosterPreset::a3Landscape:
        return a3;
    case PosterPreset::a3Portrait:
        return portrait(a3);
    case PosterPreset::free:
        break;
    }
    return current;
}

std::uint64_t posterMemory(const PosterRequest& request) {
    const auto s = std::uint64_t(request.supersample);
    return std::uint64_t(request.size.width) * s * std::uint64_t(request.size.height) * s *
           cellBytes;
}

PosterProblem posterProblem(const PosterRequest& request, std::uint64_t memoryBytes) {
    if (request.fileName.empty()) return PosterProblem::noFile;
    const ImageFileFormat format = imageFileFormatOf(request.fileName);
    if (format == ImageFileFormat::none) return PosterProblem::unknownFormat;
    const PosterSize size = request.size;
    if (size.width < 1 || size.height < 1 || size.width > posterLargestSide ||
        size.height > posterLargestSide)
        return PosterProblem::badSize;
    if (format == ImageFileFormat::jpeg &&
        !imageFileProblem(request.fileName, size.width, size.height, {}).empty())
        return PosterProblem::tooWideForJpeg;
    if (request.supersample < 1 || request.supersample > posterLargestSupersample)
        return PosterProblem::badSupersample;
    if (request.quality < 1 || request.quality > posterLargestQuality)
        return PosterProblem::badQuality;
    // Room for the rest of the program and the system besides the cells.
    if (posterMemory(request) > memoryBytes / 4 * 3) return PosterProblem::tooMuchMemory;
    return PosterProblem::none;
}

std::uint64_t physicalMemory() {
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? std::uint64_t(pages) * std::uint64_t(pageSize) : 0;
}

} // namespace gyrelune
