#include "render/raster.h"

#include <algorithm>

namespace gyrelune {
namespace {

// Background fill and the frame of a 2-pixel black pen on the rectangle
// (0, 0, W, H). The pen is centred on the rectangle's edge lines x = 0,
// x = W, y = 0 and y = H, one pixel on each side; the outer halves fall off
// the picture, so the frame shows as columns 0 and W-1 and rows 0 and H-1.
void paintBlank(PixelBuffer& picture, std::int32_t background) {
    std::uint8_t red = 0, green = 0, blue = 0;
    splitColour(background, red, green, blue);
    const int width = picture.width(), height = picture.height();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture.row(y);
        const bool edgeRow = y == 0 || y == height - 1;
        for (int x = 0; x < width; ++x) {
            const bool frame = edgeRow || x == 0 || x == width - 1;
            row[3 * x] = frame ? 0 : blue;
            row[3 * x + 1] = frame ? 0 : green;
            row[3 * x + 2] = frame ? 0 : red;
        }
    }
}

} // namespace

void Raster::setUpLook() {
    setLook(defaultColourStops(), 0, 2);
}

void Raster::setLook(const ColourStops& colours, std::int32_t background, std::int32_t gain) {
    colours_ = colours;
    backgroundColour_ = background;
    backRed_ = backGreen_ = backBlue_ = 0;
    splitColour(background, backRed_, backGreen_, backBlue_);
    gain_ = gain;
}

void Raster::reset(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (backgroundColour_ < 0) backgroundColour_ = 0;
    // Nothing may be plotted into a picture that failed to allocate.
    width_ = height_ = 0;
    pixels_ = nullptr;
    stride_ = 0;
    picture_.resize(width, height);
    paintBlank(picture_, backgroundColour_);
    pixels_ = picture_.bits();
    stride_ = picture_.stride();
    pixelGrid_.assign(std::size_t(width + 1) * std::size_t(height + 1), PixelCell{});
    cellTouched_.assign(pixelGrid_.size(), 0);
    touchedCells_.clear();
    sortedTouchedCells_ = 0;
    stopDepthsValid_ = false;
    width_ = width;
    height_ = height;
    peakMagnitude_ = Real48();
    sqrtPeak_ = 0;
    sqrtPeakDouble_ = 0;
    ranges_ = Ranges{};
    pointCount_ = 0;
}

const PixelCell& Raster::cell(int column, int row) const {
    static const PixelCell empty{};
    if (column < 0 || row < 0 || column > width_ || row > height_) return empty;
    return pixelGrid_[std::size_t(column) * std::size_t(height_ + 1) + std::size_t(row)];
}

} // namespace gyrelune
