#include "core/figureMeasurement.h"

namespace gyrelune {

LitPixels countLitPixels(const PixelBuffer& picture, std::int32_t background) {
    const std::uint8_t blue = std::uint8_t(background >> 16), green = std::uint8_t(background >> 8),
                       red = std::uint8_t(background);
    LitPixels count;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* pixel = picture.row(y);
        for (int x = 0; x < picture.width(); ++x, pixel += 3)
            count.lit += pixel[0] != blue || pixel[1] != green || pixel[2] != red;
    }
    count.all = std::int64_t(picture.width()) * picture.height();
    return count;
}

Inspection inspectFigure(const RenderSettings& settings, OrbitPoint start,
                         const InspectionSettings& inspection, const std::atomic<bool>* halt) {
    OrbitStage map;
    map.takeFormulas(settings.formulaX, settings.formulaY, settings.formulaZ);
    return inspectOrbit(map, start, inspection, halt);
}

} // namespace gyrelune
