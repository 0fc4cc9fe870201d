#include "core/headlessSession.h"
#include "core/platformErrors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

constexpr long double pi = 3.14159265358979323846264338327950288L;

class DrawCommand : public ::testing::Test {
  protected:
    RenderCore core;
    DirectDrawServices services{core, 400, 400};
    HeadlessSession session;

    PlainEditField& field(int number) { return session.mainFields[std::size_t(number - 1)]; }
    // The text as it stands in the field, without the rotation window's handling.
    void putAngleText(int row, const std::string& text) {
        session.rotation.angleField(row).field().text = text;
    }
    void setRanges(long double xMin, long double xMax, long double yMin, long double yMax) {
        RenderCore::Published shown = core.published();
        shown.ranges.xMin = Real48::fromExtended(xMin);
        shown.ranges.xMax = Real48::fromExtended(xMax);
        shown.ranges.yMin = Real48::fromExtended(yMin);
        shown.ranges.yMax = Real48::fromExtended(yMax);
        core.publish(shown);
    }
};

TEST_F(DrawCommand, FirstDrawStartsTheThreadAndHandsOverEveryFormula) {
    session.draw(services);
    EXPECT_TRUE(session.state.renderStarted);
    EXPECT_TRUE(core.isSetUp());
    EXPECT_FALSE(services.threadSuspended());
    EXPECT_TRUE(services.pointsPerSecondTimerEnabled());
    EXPECT_TRUE(core.restartRequested());
    EXPECT_EQ(core.submitted().formulaX.text, MainWindowDefaults::formulaX);
    EXPECT_EQ(core.submitted().formulaZ.text, MainWindowDefaults::formulaZ);
    EXPECT_EQ(core.submitted().zoom, Real48::fromExtended(111.78418L));
    EXPECT_EQ(core.submitted().centreY, Real48::fromExtended(-0.362L));
    EXPECT_EQ(core.submitted().gain, 1500);
    EXPECT_EQ(core.submitted().colours, defaultColourStops());
}

TEST_F(DrawCommand, RepeatedDrawHandsOverNothingAndRecompilesNothing) {
    session.draw(services);
    RenderSettings untouched = core.submitted();
    untouched.formulaY.text = "untouched";
    core.submit(untouched);
    int compiled = 0;
    for (int i = 4; i <= 7; ++i)
        field(i).field().onMarked = [&compiled](FormulaField::Marking) { ++compiled; };
    core.withdrawRestartRequest();
    session.draw(services);
    EXPECT_EQ(core.submitted().formulaY.text, "untouched");
    EXPECT_EQ(compiled, 0);
    EXPECT_TRUE(core.restartRequested());

    field(2).setText("y*0.5");
    field(5).setText("2*pi");
    session.draw(services);
    EXPECT_EQ(core.submitted().formulaY.text, "y*0.5");
    EXPECT_EQ(compiled, 1);
    EXPECT_EQ(core.submitted().centreX, Real48::fromExtended(2 * pi));
}

TEST_F(DrawCommand, GainIsRoundedToEvenAndNeverNegativeThroughDraw) {
    session.draw(services);
    const std::pair<const char*, int> cases[] = {{"-5", 0}, {"2.5", 2}, {"3.5", 4}, {"7/2", 4}};
    for (const auto& [text, gain] : cases) {
        field(7).setText(text);
        session.draw(services);
        EXPECT_EQ(core.submitted().gain, gain) << text;
    }
    field(7).setText("-5");
    session.centre(services);
    EXPECT_EQ(core.submitted().gain, -5);
    EXPECT_EQ(roundGain(1e30L), 2147483647);
    EXPECT_EQ(roundGain(-1e30L), -2147483647 - 1);
}

TEST_F(DrawCommand, AngleTextsAreReadByTheirLeadingInteger) {
    const std::pair<const char*, long double> cases[] = {
        {"90", 90},    {" 90", 90}, {"90abc", 90}, {"90.9", 90}, {"-90", -90},
        {"-90.9", 90}, {"$10", 16}, {"", 0},       {"abc", 0},
    };
    for (const auto& [text, degrees] : cases) {
        putAngleText(1, text);
        session.draw(services);
        EXPECT_EQ(core.submitted().angleY, Real48::fromExtended(degrees / 180 * pi)) << text;
    }
}

TEST_F(DrawCommand, WhileStoppedDrawHandsOverOnlyTheColours) {
    session.draw(services);
    EXPECT_EQ(session.state.stopOrContinue(services), "Folytat");
    EXPECT_TRUE(services.threadSuspended());
    EXPECT_FALSE(services.pointsPerSecondTimerEnabled());
    core.withdrawRestartRequest();
    field(1).setText("x*x");
    session.colourStops.pop_back();
    session.draw(services);
    EXPECT_EQ(core.submitted().formulaX.text, MainWindowDefaults::formulaX);
    EXPECT_EQ(core.submitted().colours.size(), 3u);
    EXPECT_TRUE(services.pointsPerSecondTimerEnabled());
    EXPECT_TRUE(core.restartRequested());
    EXPECT_EQ(session.state.stopOrContinue(services), "Stop");
    EXPECT_FALSE(session.state.drawingStopped);
}

TEST_F(DrawCommand, StopAndCentreDoNothingBeforeTheFirstDraw) {
    EXPECT_EQ(session.state.stopOrContinue(services), "");
    session.centre(services);
    EXPECT_FALSE(core.restartRequested());
    EXPECT_EQ(field(4).text(), MainWindowDefaults::zoom);
}

TEST_F(DrawCommand, CentreFitsTheLargerExtentWithAMargin) {
    session.draw(services);
    setRanges(-1, 3, 0, 1);
    core.withdrawRestartRequest();
    session.centre(services);
    EXPECT_EQ(core.submitted().zoom, Real48::fromExtended(95));
    EXPECT_EQ(field(4).text(), "95.00000");
    EXPECT_EQ(field(5).text(), "1.000");
    EXPECT_EQ(field(6).text(), "0.500");
    EXPECT_TRUE(core.restartRequested());
    // The used copies stay, so the next Draw takes the rounded texts over.
    EXPECT_EQ(session.state.usedZoomText, MainWindowDefaults::zoom);
}

TEST_F(DrawCommand, CentreOnEmptyRangesKeepsTheZoom) {
    session.draw(services);
    session.centre(services);
    EXPECT_EQ(core.submitted().zoom, Real48::fromExtended(111.78418L));
    EXPECT_EQ(field(4).text(), "111.78418");
    EXPECT_EQ(field(5).text(), "0.000");
    EXPECT_EQ(field(6).text(), "0.000");
}

TEST_F(DrawCommand, AnOverflowEndsCentreWithWhatWasDoneKept) {
    session.draw(services);
    setRanges(1e-36L, 2e-36L, 0, 0);
    core.withdrawRestartRequest();
    EXPECT_THROW(session.centre(services), FloatingPointOverflow);
    EXPECT_EQ(core.submitted().centreX, Real48::fromExtended(1.5e-36L));
    EXPECT_FALSE(core.restartRequested());
}

TEST_F(DrawCommand, ReadOutTexts) {
    EXPECT_EQ(session.state.pointsPerSecondCaption(5000), "Attraktor Kép       pont/sec: 5000");
    EXPECT_EQ(session.state.pointsPerSecondCaption(120), "Attraktor Kép       pont/sec: 120");

    EXPECT_FALSE(session.state.statusLineStale(core));
    RenderCore::Published shown = core.published();
    shown.ranges.zMax = Real48::fromExtended(2.5);
    core.publish(shown);
    ASSERT_TRUE(session.state.statusLineStale(core));
    shown.ranges.xMin = Real48::fromExtended(-1.0625);
    core.publish(shown);
    EXPECT_EQ(session.state.updateStatusLine(core),
              "                 X tartomány: [-1.062 , 0.000]      Y tartomány: [0.000 , "
              "0.000]      Z tartomány: [0.000 , 2.500]");
    EXPECT_FALSE(session.state.statusLineStale(core));
    EXPECT_EQ(MainWindowState::documentCaption("/a/b.atr"), "Gyrelune 1.0b    /a/b.atr");
}

} // namespace
} // namespace gyrelune
