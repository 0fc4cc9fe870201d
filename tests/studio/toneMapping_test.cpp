#include "studio/toneMapping.h"

#include "render/colourStops.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

AccumulationHeader headerWith(std::int32_t gain, std::int32_t background, int supersample = 1) {
    AccumulationHeader h;
    h.width = 2;
    h.height = 2;
    h.supersample = supersample;
    h.gain = gain;
    h.background = background;
    return h;
}

std::array<float, 3> mapped(const DensityCell& cell, const AccumulationHeader& h,
                            const ToneSettings& tone, double reference) {
    std::array<float, 3> rgb{};
    toneMapCell(cell, h, tone, reference, rgb.data());
    return rgb;
}

void expectLevels(const std::array<float, 3>& rgb, double r, double g, double b) {
    EXPECT_NEAR(rgb[0] * 255, r, 1e-3);
    EXPECT_NEAR(rgb[1] * 255, g, 1e-3);
    EXPECT_NEAR(rgb[2] * 255, b, 1e-3);
}

TEST(WindowLook, SquareRootOfThePeakShareGainAndSpillTowardsWhite) {
    const AccumulationHeader h = headerWith(300, 0);
    const ToneSettings tone;
    // Two pure red points: a = (2, 0, 0), the peak itself; red 300 spills 45.
    const DensityCell peak{2, 510, 0, 0};
    Accumulation grid;
    grid.header = h;
    grid.cells = {peak, {1, 255, 255, 0}, {}, {}};
    EXPECT_DOUBLE_EQ(automaticReference(grid, Look::window), 2.0);
    expectLevels(mapped(peak, h, tone, 2), 255, 15, 15);
    // a = (1, 1, 0): sqrt(1 / 2) * 300 = 212.132 on red and green.
    expectLevels(mapped({1, 255, 255, 0}, h, tone, 2), 212.1320, 212.1320, 0);
    // Gain 0 or an empty cell leave the background.
    expectLevels(mapped(peak, headerWith(0, 0), tone, 2), 0, 0, 0);
}

TEST(WindowLook, PointsDarkerThanTheBackgroundMoveAwayFromIt) {
    const AccumulationHeader h = headerWith(100, packColour(0, 0, 100));
    // A black point over blue 100: a_blue = -100 / 255; 100 - sqrt(100 / 255) * 100.
    expectLevels(mapped({1, 0, 0, 0}, h, ToneSettings{}, 1), 0, 0, 100 - 62.6224);
    expectLevels(mapped({}, h, ToneSettings{}, 1), 0, 0, 100);
}

TEST(LogLook, LogDensityGammaWithRampVibrancyAndHighlights) {
    const AccumulationHeader h = headerWith(0, 0);
    ToneSettings tone;
    tone.look = Look::log;
    tone.gamma = 1;
    // log(1 + 100) / log(101) = 1: full red.
    expectLevels(mapped({100, 25500, 0, 0}, h, tone, 1), 255, 0, 0);
    tone.gamma = 2;
    // sqrt(log(11) / log(101)) = 0.720815.
    expectLevels(mapped({10, 2550, 0, 0}, h, tone, 1), 255 * 0.720815, 0, 0);
    // Below the ramp the curve is a straight line through 0.
    tone.linearRamp = 0.9;
    expectLevels(mapped({10, 2550, 0, 0}, h, tone, 1), 255 * 0.519574 * std::sqrt(0.9) / 0.9, 0, 0);
    // log(10001) / log(101) = 1.995710 on red, half that on green.
    tone.gamma = 1;
    tone.linearRamp = 0.01;
    const DensityCell bright{10000, 2550000, 1275000, 0};
    expectLevels(mapped(bright, h, tone, 1), 255, 127.5, 0);
    tone.highlightProtection = 0;
    expectLevels(mapped(bright, h, tone, 1), 255, 255 * 0.997855, 0);
    // Vibrancy 0: gamma per channel, sqrt(0.5) of the half-bright green.
    tone.gamma = 2;
    tone.vibrancy = 0;
    expectLevels(mapped({100, 25500, 12750, 0}, h, tone, 1), 255, 255 * std::sqrt(0.5), 0);
}

TEST(Downsampling, KeepsAFlatFieldAndCopiesWithoutSupersampling) {
    Accumulation grid;
    grid.header = headerWith(255, 0, 3);
    grid.allocate();
    for (DensityCell& c : grid.cells)
        c = {1, 255, 0, 0};
    const Image16 flat = toneMapToLevels(grid, ToneSettings{});
    ASSERT_EQ(flat.width, 2);
    for (std::size_t i = 0; i < flat.samples.size(); i += 3)
        EXPECT_EQ(flat.samples[i], 65535);

    grid.header.supersample = 1;
    grid.allocate();
    grid.cell(1, 0) = {4, 0, 4 * 255, 0};
    grid.cell(0, 1) = {1, 0, 255, 0};
    const Image16 copy = toneMapToLevels(grid, ToneSettings{});
    // Peak 4: the single point shows sqrt(1 / 4) * 255 = 127.5 of green.
    EXPECT_EQ(copy.row(0)[4], 65535);
    EXPECT_EQ(copy.row(1)[1], 32768);
    EXPECT_EQ(copy.row(1)[4], 0);
    const ImageFloat linear = toneMapToLinear(grid, ToneSettings{});
    EXPECT_NEAR(linear.row(1)[1], 0.2140, 1e-4); // sRGB 0.5 in linear light
}

// Bands over threads give the picture of one pass, peak and all: the brightest
// cell sits in the last band.
TEST(Downsampling, BandsOverThreadsGiveThePictureOfOnePass) {
    Accumulation grid;
    grid.header = headerWith(255, 0, 2);
    grid.header.width = 5;
    grid.header.height = 7;
    grid.allocate();
    for (std::uint32_t i = 0; i < grid.cells.size(); ++i)
        grid.cells[i] = {i % 5 + 1, (i * 37) % 200 * (i % 5 + 1), (i * 11) % 255, 0};
    for (Look look : {Look::window, Look::log}) {
        ToneSettings tone;
        tone.look = look;
        EXPECT_EQ(toneMapToLevels(grid, tone, 1).samples, toneMapToLevels(grid, tone, 3).samples);
    }
}

} // namespace
} // namespace gyrelune
