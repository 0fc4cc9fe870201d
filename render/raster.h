#pragma once
// The window renderer's picture: the cell grid of accumulated colour, the
// range of the rotated points, the depth colouring and the shading. Only the
// thread that runs the loop passes touches it.

#include "formula/real48.h"
#include "render/colourStops.h"
#include "render/pixelBuffer.h"
#include "render/renderSettings.h"
#include "render/viewGeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gyrelune {

struct PixelCell {
    Real48 accRed, accGreen, accBlue;
};

class Raster {
  public:
    // The start-up look: the default stops, black, gain 2.
    void setUpLook();
    // The look of a Draw, taken before the picture is reset.
    void setLook(const ColourStops& colours, std::int32_t background, std::int32_t gain);
    // A blank picture of width x height: the background inside a black frame,
    // no cell coloured, the range empty, no point counted.
    void reset(int width, int height);

    // One orbit point, stored: rotated and projected by the view, taken into
    // the range, and coloured by its depth where it lands inside the frame.
    void take(const ViewGeometry& view, double x, double y, double z) {
        view.rotation().view(x, y, z);
        long long px = 0, py = 0;
        const bool onPicture = view.project(x, y, px, py);
        ranges_.widen(x, y, z);
        if (onPicture && px >= 1 && px <= width_ - 1 && py >= 1 && py <= height_ - 1)
            accumulate(int(px), int(py), z);
    }

    // The live picture: copy() what is kept.
    const PixelBuffer& picture() const { return picture_; }
    const Ranges& ranges() const { return ranges_; }
    std::int32_t pointCount() const { return pointCount_; }
    Real48 peakMagnitude() const { return peakMagnitude_; }
    const PixelCell& cell(int column, int row) const;
    int width() const { return width_; } // W: picture width at the last reset
    int height() const { return height_; }
    const ColourStops& colours() const { return colours_; }
    std::int32_t backgroundColour() const { return backgroundColour_; }
    std::int32_t gain() const { return gain_; }

  private:
    void accumulate(int px, int py, double z);
    void shade(int column, int row) noexcept;
    void reshadeAll() noexcept;
    void takeStopDepths();

    std::vector<PixelCell> pixelGrid_; // column-major, (W+1) x (H+1)
    // The cells that took colour since the reset, once each, for the re-shade.
    std::vector<std::uint32_t> touchedCells_;
    std::size_t sortedTouchedCells_ = 0; // the front of touchedCells_ in grid order
    std::vector<std::uint8_t> cellTouched_;
    // The stops' depths over the range [stopDepthsZMin_, stopDepthsZMax_], and
    // their stored bounds where they could be stored.
    std::vector<long double> stopDepths_;
    std::vector<Real48> stopBounds_;
    std::vector<std::uint8_t> stopBoundStored_;
    Real48 stopDepthsZMin_, stopDepthsZMax_;
    bool stopDepthsValid_ = false;
    int width_ = 0, height_ = 0;
    std::int32_t pointCount_ = 0;
    ColourStops colours_;
    std::uint8_t backRed_ = 0, backGreen_ = 0, backBlue_ = 0;
    std::int32_t backgroundColour_ = 0;
    std::int32_t gain_ = 0;
    PixelBuffer picture_;
    // Row memory of picture_, taken once per reset.
    std::uint8_t* pixels_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    Ranges ranges_;
    Real48 peakMagnitude_;
    long double sqrtPeak_ = 0;  // sqrt(peakMagnitude_), kept beside it
    double sqrtPeakDouble_ = 0; // and rounded to double
};

} // namespace gyrelune
