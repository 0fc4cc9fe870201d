#include "core/colourEditing.h"
#include "core/rotationModel.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

TEST(RotationModel, AnAcceptedAngleEndsAsAWholeNumberInSliderAndField) {
    RotationModel rotation;
    const std::tuple<const char*, int, const char*> cases[] = {
        {"370", 10, "10"},  {"-90", 270, "270"}, {"45.5", 46, "46"},
        {"10*3", 30, "30"}, {"720", 0, "0"},     {"-0.4", 0, "-0.4"},
    };
    for (const auto& [typed, position, shown] : cases) {
        rotation.angleField(0).setText(typed);
        EXPECT_EQ(rotation.sliderPosition(0), position) << typed;
        EXPECT_EQ(rotation.angleField(0).text(), shown) << typed;
    }
}

TEST(RotationModel, ASliderAlreadyInPlaceLeavesTheTypedText) {
    RotationModel rotation;
    rotation.angleField(2).setText("44");
    rotation.angleField(2).setText("44.5");
    EXPECT_EQ(rotation.sliderPosition(2), 44);
    EXPECT_EQ(rotation.angleField(2).text(), "44.5");
    EXPECT_EQ(angleRadians("44.5"), angleRadians("44"));

    rotation.angleField(2).setText("1+"); // does not compile: slider stays
    EXPECT_EQ(rotation.sliderPosition(2), 44);
    EXPECT_EQ(rotation.angleField(2).field().marking(), FormulaField::Marking::error);
}

TEST(RotationModel, SlidersWriteTheirPositionIntoTheField) {
    RotationModel rotation;
    rotation.setSliderPosition(1, 123);
    EXPECT_EQ(rotation.angleField(1).text(), "123");
    rotation.setSliderPosition(1, 400);
    EXPECT_EQ(rotation.sliderPosition(1), 359);
    EXPECT_EQ(rotation.angleTexts(), (std::array<std::string, 3>{"0", "359", "0"}));
    // Any magnitude a field can hold has a remainder.
    rotation.angleField(0).setText("100000000000000000000000000000000000000");
    EXPECT_GE(rotation.sliderPosition(0), 0);
    EXPECT_LE(rotation.sliderPosition(0), 359);
}

TEST(RotationModel, TimerRedrawsOncePerChangedRowWhileActive) {
    AngleTextWatch watch;
    int draws = 0;
    const auto draw = [&draws] { ++draws; };
    watch.tick({"1", "2", "3"}, true, draw);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(watch.lastAngleText[1], "2");
    watch.rotationActive = true;
    watch.tick({"4", "5", "6"}, true, draw);
    EXPECT_EQ(draws, 3);
    watch.tick({"7", "5", "6"}, false, draw);
    EXPECT_EQ(draws, 3);
    watch.tick({"7", "5", "6"}, true, draw);
    EXPECT_EQ(draws, 4);
}

ColourStop rgb(std::int32_t colour) {
    ColourStop stop;
    splitColour(colour, stop.red, stop.green, stop.blue);
    return stop;
}

Real48 real(long double value) {
    return Real48::fromExtended(value);
}

TEST(ColourEditing, ChannelsAreInterpolatedAndRoundedToEven) {
    const ColourStops stops = defaultColourStops();
    EXPECT_EQ(colourAtDepth(real(1.5), stops, real(0), real(3)), packColour(128, 255, 0));
    EXPECT_EQ(colourAtDepth(real(0), stops, real(0), real(3)), packColour(255, 0, 0));
    EXPECT_EQ(colourAtDepth(real(3), stops, real(0), real(3)), packColour(0, 0, 255));
    // An empty range counts as [-1, 1].
    EXPECT_EQ(colourAtDepth(real(0.5), stops, real(5), real(5)),
              colourAtDepth(real(0.5), stops, real(-1), real(1)));
}

TEST(ColourEditing, AFreshStripRunsFromRedToNearlyBlue) {
    const ColourStops stops = defaultColourStops();
    constexpr int width = 297;
    const auto at = [&](int column) {
        return rgb(colourAtDepth(stripDepth(column, width, Real48(), Real48()), stops, Real48(),
                                 Real48()));
    };
    EXPECT_EQ(at(0), (ColourStop{255, 0, 0}));
    const ColourStop third = at(width / 3), twoThirds = at(2 * width / 3), last = at(width - 1);
    EXPECT_EQ(third.red, 255);
    EXPECT_GE(third.green, 254);
    EXPECT_LE(twoThirds.red, 1);
    EXPECT_EQ(twoThirds.green, 255);
    EXPECT_EQ(last.red, 0);
    EXPECT_LE(last.green, 5);
    EXPECT_GE(last.blue, 250);
    EXPECT_EQ(stripDepth(150, 300, real(1), real(3)), real(2));
}

TEST(ColourEditing, ShortListsNeverReadOutside) {
    EXPECT_EQ(colourAtDepth(real(0.5), {}, real(0), real(1)), 0);
    EXPECT_EQ(colourAtDepth(real(0.5), {{1, 2, 3}}, real(0), real(1)), packColour(1, 2, 3));
    const SwatchColours none = swatchColours({}, 0x123456);
    EXPECT_EQ(none.zMin, 0);
    EXPECT_EQ(none.background, 0x123456);
    ColourStops stops;
    setZMaxColour(stops, packColour(9, 8, 7));
    EXPECT_EQ(stops, (ColourStops{{9, 8, 7}}));
    ColourStops grown;
    insertIntermediateColour(grown, packColour(1, 1, 1));
    EXPECT_EQ(grown.size(), 1u);
}

TEST(ColourEditing, NewInsertsBeforeZmaxAndDropRemovesIt) {
    ColourStops stops = defaultColourStops();
    insertIntermediateColour(stops, packColour(255, 255, 255));
    EXPECT_EQ(stops,
              (ColourStops{{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {255, 255, 255}, {0, 0, 255}}));
    EXPECT_TRUE(dropIntermediateColour(stops));
    EXPECT_EQ(stops, defaultColourStops());

    ColourStops two{{255, 0, 0}, {0, 0, 255}};
    EXPECT_FALSE(dropIntermediateColour(two));
    EXPECT_EQ(two.size(), 2u);

    // A system-colour code is never split into bytes.
    setZMinColour(two, -5);
    EXPECT_EQ(two[0], (ColourStop{255, 0, 0}));
    const SwatchColours swatches = swatchColours(two, 0);
    EXPECT_EQ(swatches.zMin, packColour(255, 0, 0));
    EXPECT_EQ(swatches.zMax, packColour(0, 0, 255));
}

} // namespace
} // namespace gyrelune
