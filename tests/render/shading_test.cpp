// Depth colours, accumulation and shading.

#include "render/shadeChannel.h"
#include "renderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

class Shading : public testing::Test {
  protected:
    RandomGenerator random;
    RenderCore core{random};

    // Depth range 0 to 3 from two points at (10, 20) out of the way.
    void start(const Settings& s) {
        drawNow(core, s);
        plotAt(core, -40, 30, 0);
        plotAt(core, -40, 30, 3);
    }
    // Accumulators of the cell at column 50 + dx, row 50.
    PixelCell plotted(int dx, long double z) {
        plotAt(core, dx, 0.25, z);
        return core.cell(50 + dx, 50);
    }
    static Real48 r(long double v) { return Real48::fromExtended(v); }
};

TEST_F(Shading, DefaultStopsColourDepthsZeroToThree) {
    start({});
    const struct {
        long double z;
        long double red, green, blue;
    } cases[] = {
        {0, 255, 0, 0}, {1, 255, 255, 0}, {2, 0, 255, 0}, {3, 0, 0, 255}, {1.5, 127.5, 255, 0}};
    int dx = 0;
    for (const auto& c : cases) {
        const PixelCell cell = plotted(dx += 3, c.z);
        EXPECT_EQ(cell.accRed, r(c.red / 255)) << "depth " << double(c.z);
        EXPECT_EQ(cell.accGreen, r(c.green / 255)) << "depth " << double(c.z);
        EXPECT_EQ(cell.accBlue, r(c.blue / 255)) << "depth " << double(c.z);
    }
}

TEST_F(Shading, DepthAtAThresholdBelongsToTheSegmentEndingThere) {
    start({});
    const long double step = std::ldexp(1.0L, -38); // next stored reals around 1
    EXPECT_EQ(plotted(3, 1).accRed, r(1));
    EXPECT_EQ(plotted(3, 1).accGreen, r(2));
    // Just above: the yellow-to-green segment, red falls below 255.
    EXPECT_LT(plotted(6, 1 + step).accRed.toDouble(), 1.0);
    // Just below: red to yellow, red stays 255 and green falls.
    const PixelCell below = plotted(9, 1 - step / 2);
    EXPECT_EQ(below.accRed, r(1));
    EXPECT_LT(below.accGreen.toDouble(), 1.0);
}

TEST_F(Shading, AccumulatesTheDistanceFromTheBackground) {
    Settings s;
    s.background = packColour(55, 255, 0);
    start(s);
    plotted(3, 0);
    const PixelCell c = plotted(3, 0);
    EXPECT_EQ(c.accRed, r(r(200 / 255.0L).toExtended() + 200 / 255.0L));
    EXPECT_EQ(c.accGreen, r(-2));
    EXPECT_EQ(c.accBlue, Real48());
    const long double m = c.accRed.toExtended() * c.accRed.toExtended() + 4;
    EXPECT_EQ(core.peakMagnitude(), r(m));
}

struct SpillCase {
    std::int32_t gain;
    Rgb shown;
};
class Spill : public Shading, public testing::WithParamInterface<SpillCase> {};

// A cell of pure red at the peak computes to red = gain, green = blue = 0.
TEST_P(Spill, OvershootIsSharedOverTheChannels) {
    Settings s;
    s.stops = {{255, 0, 0}, {255, 0, 0}};
    s.gain = GetParam().gain;
    start(s);
    plotted(0, 1.5);
    EXPECT_EQ(pixelAt(core.picture(), 50, 50), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Shading, Spill,
                         testing::Values(SpillCase{300, {255, 15, 15}},
                                         SpillCase{1755, {255, 255, 255}},
                                         SpillCase{200, {200, 0, 0}}));

TEST_F(Shading, GainZeroWritesNothingAndANegativeGainMirrorsThePositive) {
    Settings s;
    s.gain = 0;
    start(s);
    const PixelBuffer blank = core.picture();
    for (int dx = 0; dx < 10; ++dx)
        plotted(dx, dx * 0.3L);
    EXPECT_TRUE(core.picture() == blank);

    s.background = packColour(100, 100, 100);
    s.stops = {{255, 0, 0}, {0, 40, 200}};
    const auto shown = [&](std::int32_t gain) {
        s.gain = gain;
        start(s);
        plotted(0, 1);
        plotted(0, 1);
        plotted(1, 2);
        return std::pair(pixelAt(core.picture(), 50, 50), pixelAt(core.picture(), 51, 50));
    };
    const auto [up1, up2] = shown(60);
    const auto [down1, down2] = shown(-60);
    for (auto [up, down] : {std::pair(up1, down1), std::pair(up2, down2)}) {
        EXPECT_NE(up, (Rgb{100, 100, 100}));
        EXPECT_EQ(up.red - 100, 100 - down.red);
        EXPECT_EQ(up.green - 100, 100 - down.green);
        EXPECT_EQ(up.blue - 100, 100 - down.blue);
    }
}

TEST_F(Shading, WholePictureIsReshadedWhenTheCountReaches9999) {
    Settings s;
    s.stops = {{0, 255, 0}, {0, 255, 0}};
    s.gain = 200;
    start(s);
    plotted(1, 1.5); // shaded at full gain while it is the strongest cell
    ASSERT_EQ(pixelAt(core.picture(), 51, 50).green, 200);
    while (core.pointCount() < 9998)
        plotted(2, 1.5);
    EXPECT_EQ(pixelAt(core.picture(), 51, 50).green, 200);
    plotted(2, 1.5);
    ASSERT_EQ(core.pointCount(), 9999);
    // Against a peak of (9996 hits)^2 the single hit shows at 200 / sqrt(9996).
    EXPECT_EQ(pixelAt(core.picture(), 51, 50).green, 2);
}

TEST_F(Shading, FewerThanTwoStopsCountThePointButAddNoColour) {
    for (const ColourStops& stops : {ColourStops{}, ColourStops{{255, 255, 255}}}) {
        Settings s;
        s.stops = stops;
        start(s);
        const PixelBuffer blank = core.picture();
        for (int i = 0; i < 10; ++i)
            plotted(i, i);
        EXPECT_EQ(core.pointCount(), 12);
        EXPECT_EQ(core.peakMagnitude(), Real48());
        EXPECT_TRUE(core.picture() == blank);
    }
}

// With three stops over the depth range [2, 2 + u], the upper segment
// rounds to no depth at all.
TEST_F(Shading, SegmentWithoutDepthClearsTheCell) {
    Settings s;
    s.stops = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    drawNow(core, s);
    const long double u = std::ldexp(1.0L, -38);
    plotAt(core, -40, 30, 2);
    plotAt(core, -40, 30, 2 + u);
    EXPECT_EQ(plotted(0, 2).accRed, r(1));
    const PixelCell cleared = plotted(0, 2 + u);
    EXPECT_EQ(cleared.accRed, Real48());
    EXPECT_EQ(cleared.accGreen, Real48());
    EXPECT_EQ(cleared.accBlue, Real48());
    EXPECT_EQ(core.pointCount(), 4);
}

} // namespace

// The double-precision shortcut of the shade rounds as the extended form does,
// also where the value lies next to a half.
TEST(ShadeChannel, FastDistanceEqualsTheExtendedOne) {
    RandomGenerator random;
    const auto stored = [](long double v) { return Real48::fromExtended(v).toDouble(); };
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const long double peak = 1 + random.draw(1u << 30) / 1024.0L;
        const long double sqrtPeak = std::sqrt(peak);
        const std::int32_t gain = std::int32_t(random.draw(4000)) - 1000;
        // Every fourth value sits next to a half: (k + 1/2) / gain, squared, times sqrt(P).
        long double a = (random.draw(2000001) - 1000000.0L) / 1000.0L;
        if (i % 4 == 0 && gain != 0) {
            const long double half = (random.draw(1500) + 0.5L) / gain;
            a = half * half * sqrtPeak *
                (1 + (static_cast<long double>(random.draw(3)) - 1) * 1e-17L);
        }
        const double acc = stored(a);
        ASSERT_EQ(channelDistance(acc, sqrtPeak, double(sqrtPeak), gain),
                  exactChannelDistance(acc, sqrtPeak, gain))
            << acc << " " << double(sqrtPeak) << " " << gain;
        ++checked;
    }
    EXPECT_EQ(checked, 200000);
    for (long long n = -20; n <= 20; ++n)
        EXPECT_EQ(roundedThird(n), roundToInteger(n / 3.0L)) << n;
}
