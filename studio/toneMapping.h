#pragma once
// From a density grid to a picture, once at the end: every cell is mapped to a
// colour by the chosen look, then the cells are filtered down to poster pixels
// (a Mitchell-Netravali kernel two pixels wide; a plain copy without
// supersampling). No frame is drawn.
//
// The window's look: a cell's accumulator per channel is
// a = (sum of colour - count * background) / 255, P the largest
// a_red^2 + a_green^2 + a_blue^2 of any block of cells as large as one pixel
// of the image window (studio/accumulation.h), per cell; each channel lies
// v = sign(a) sqrt(|a| / sqrt(P)) * gain from the background (in levels of
// 255), what a channel cannot show beyond 0 or 255 is shared over the three,
// and the result is clamped.
//
// The log look: with n a cell's count and m the reference density,
// i = brightness * log(1 + n / m) / log(1 + 100); the mean colour c of its
// points is shown with intensity gamma(i) = i^(1/gamma), linear below
// `linearRamp`; vibrancy 1 keeps the colour's hue, 0 applies gamma per channel;
// over the background with alpha = min(1, gamma(i)); highlight protection
// scales an over-bright colour back into range keeping its hue instead of
// clipping it.

#include "studio/accumulation.h"
#include "studio/image.h"

#include <cstdint>
#include <vector>

namespace gyrelune {

enum class Look { window, log };

struct ToneSettings {
    Look look = Look::window;
    double brightness = 1, gamma = 2.2, linearRamp = 0.01, vibrancy = 1, highlightProtection = 1;
    // The scale the grid is shown against: the window's look takes it as
    // sqrt(P), the log look as m. 0 works it out from the grid (the peak; the
    // mean points per cell). A film sets it from its points per frame so that
    // every frame has the same exposure.
    double reference = 0;
};

// The reference the grid itself gives for the look (see ToneSettings::reference).
double automaticReference(const Accumulation& grid, Look look);

// One cell's display colour, 0..1 per channel (the tests' hand-worked cells).
void toneMapCell(const DensityCell& cell, const AccumulationHeader& header,
                 const ToneSettings& tone, double reference, float rgb[3]);

// Poster rows top to bottom as 16-bit display levels (or linear light, the
// display levels decoded as sRGB), one at a time, so a large poster needs no
// second copy of itself. Rows must be asked for in order.
class ToneMapper {
  public:
    ToneMapper(const Accumulation& grid, const ToneSettings& tone);
    int width() const;
    int height() const;
    void levelsRow(int y, std::uint16_t* rgb);
    void linearRow(int y, float* rgb);

  private:
    void filterRow(int y, float* rgb);
    const float* cellRow(int row);

    const Accumulation& grid_;
    ToneSettings tone_;
    double reference_;
    std::vector<float> weights_;            // the kernel's taps over cells
    int firstTap_ = 0;                      // offset of the first tap from a pixel's first cell
    std::vector<std::vector<float>> cache_; // mapped cell rows, by row % size
    std::vector<int> cachedRow_;
    std::vector<float> scratch_, scratchOut_;
};

// The whole picture at once, in bands of rows over `threads` threads (0: one
// per core); every row comes out as the row-at-a-time mapper gives it.
Image16 toneMapToLevels(const Accumulation& grid, const ToneSettings& tone, int threads = 1);
ImageFloat toneMapToLinear(const Accumulation& grid, const ToneSettings& tone, int threads = 1);

} // namespace gyrelune
