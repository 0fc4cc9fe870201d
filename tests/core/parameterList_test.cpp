#include "core/parameterList.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

Formula compiled(const std::string& text) {
    Formula formula;
    EXPECT_TRUE(formula.compile(text).wellFormed()) << text;
    return formula;
}

class Parameters : public ::testing::Test {
  protected:
    ParameterList list{[] { return std::make_unique<HeadlessParameterWindow>(); }};
    Formula x = compiled("x"), y = compiled("y"), z = compiled("z");

    void sync(const std::string& formulaX, const std::string& formulaY = "y") {
        x = compiled(formulaX);
        y = compiled(formulaY);
        list.syncParameterWindows(x, y, z);
    }
    std::vector<std::string> liveNames() const {
        std::vector<std::string> names;
        for (AbstractParameterWindow* window : list.liveWindows())
            names.push_back(window->paramName());
        return names;
    }
    static HeadlessParameterWindow& headless(AbstractParameterWindow* window) {
        return static_cast<HeadlessParameterWindow&>(*window);
    }
    // An activated window over [minimum, maximum] with the given value, slider placed.
    HeadlessParameterWindow& window(const std::string& minimum, const std::string& maximum,
                                    const std::string& value) {
        AbstractParameterWindow& w = list.addParameterWindow("p", minimum, maximum, value);
        w.activate();
        return static_cast<HeadlessParameterWindow&>(w);
    }
};

TEST_F(Parameters, ANewWindowStartsWithTheDefaultInterval) {
    sync("a*x");
    HeadlessParameterWindow& a = headless(list.findWindow("a"));
    EXPECT_EQ(a.caption(), "a jelű konstans");
    EXPECT_EQ(a.label(), "a:=");
    EXPECT_EQ(a.minimumField().text(), "-2");
    EXPECT_EQ(a.maximumField().text(), "2");
    EXPECT_EQ(a.valueField().text(), "0");
    EXPECT_EQ(a.sliderPosition(), 500);
    EXPECT_FALSE(a.visible());
    EXPECT_FALSE(a.activated());
}

TEST_F(Parameters, AFreedSlotIsReusedAndTheLastEntryIsRemoved) {
    sync("a*x+b", "c*y");
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"a", "b", "c"}));
    AbstractParameterWindow* b = list.findWindow("b");
    b->showWindow();

    sync("a*x", "c*y");
    EXPECT_FALSE(headless(b).visible());
    ASSERT_EQ(list.entries().size(), 3u);
    EXPECT_EQ(list.entries()[1].live, 0);

    sync("a*x+d", "c*y");
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"a", "d", "c"}));

    // Dropping the last entry also drops the free slots before it.
    sync("a*x+b", "c*y");
    sync("a*x+b");
    EXPECT_EQ(list.entries().size(), 2u);
    sync("b+a");
    sync("a");
    EXPECT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(liveNames(), std::vector<std::string>{"a"});
}

TEST_F(Parameters, NamesAreCollectedInFormulaOrderOnce) {
    EXPECT_EQ(collectParameterNames(compiled("b*x+a"), compiled("a+c+y"), compiled("Z*z")),
              (std::vector<std::string>{"b", "a", "c", "Z"}));
}

TEST_F(Parameters, ValuesReachTheFormulasThatUseTheName) {
    sync("a*x", "a+b");
    list.findWindow("a")->valueField().setText("0.25");
    list.findWindow("b")->valueField().setText("1+1");
    list.applyParameterValues(x, y, z);
    EXPECT_EQ(x.variables()[x.findVariable("a")].value, Real48::fromExtended(0.25L));
    EXPECT_EQ(y.variables()[y.findVariable("a")].value, Real48::fromExtended(0.25L));
    EXPECT_EQ(y.variables()[y.findVariable("b")].value, Real48::fromExtended(2));
}

TEST_F(Parameters, SliderMapsOntoTheInterval) {
    HeadlessParameterWindow& w = window("-2", "2", "0");
    w.setSliderPosition(750);
    EXPECT_EQ(w.valueField().text(), "1.00000");
    w.setSliderPosition(0);
    EXPECT_EQ(w.valueField().text(), "-2.00000");
    w.setSliderPosition(1000);
    EXPECT_EQ(w.valueField().text(), "2.00000");

    HeadlessParameterWindow& reversed = window("2", "-2", "0");
    reversed.setSliderPosition(0);
    EXPECT_EQ(reversed.valueField().text(), "2.00000");
    reversed.setSliderPosition(1000);
    EXPECT_EQ(reversed.valueField().text(), "-2.00000");

    HeadlessParameterWindow& flat = window("3", "3", "3");
    flat.setSliderPosition(123);
    EXPECT_EQ(flat.valueField().text(), "3.00000");
}

TEST_F(Parameters, PlaceSliderClampsAndLeavesAFlatIntervalAlone) {
    EXPECT_EQ(window("-2", "2", "5").sliderPosition(), 1000);
    EXPECT_EQ(window("-2", "2", "-5").sliderPosition(), 0);
    EXPECT_EQ(window("1", "1", "7").sliderPosition(), 500);
    EXPECT_EQ(sliderPosition(Real48::fromExtended(0), Real48::fromExtended(1e-38L),
                             Real48::fromExtended(1e38L)),
              1000);
}

TEST_F(Parameters, ALoadedWindowKeepsItsValueTextUntilActivated) {
    AbstractParameterWindow& w = list.addParameterWindow("p", "0", "3", "1");
    EXPECT_EQ(w.sliderPosition(), 333);
    EXPECT_EQ(w.valueField().text(), "1");
    EXPECT_FALSE(w.pollSlider(true)); // a placed slider triggers no redraw later
    w.activate();
    w.placeSlider();
    EXPECT_EQ(w.valueField().text(), "1");
    // A value set from outside keeps its digits, moves the slider, and the
    // move asks for no second redraw.
    w.setValueText("2.12345");
    EXPECT_EQ(w.valueField().text(), "2.12345");
    EXPECT_EQ(w.sliderPosition(), 708);
    EXPECT_FALSE(w.pollSlider(true));
    EXPECT_TRUE(w.activated());
}

TEST_F(Parameters, ShiftHalvesAndBackspaceDoublesAboutTheValue) {
    HeadlessParameterWindow& w = window("0", "1", "0.5");
    w.sliderKeyDown(vkShift);
    EXPECT_EQ(w.minimumField().text(), "0.25000");
    EXPECT_EQ(w.maximumField().text(), "0.75000");
    EXPECT_EQ(w.sliderPosition(), 500);

    HeadlessParameterWindow& v = window("0", "1", "0.5");
    v.sliderKeyDown(vkBack);
    EXPECT_EQ(v.minimumField().text(), "-0.50000");
    EXPECT_EQ(v.maximumField().text(), "1.50000");
    v.sliderKeyDown(17); // Ctrl does nothing
    EXPECT_EQ(v.maximumField().text(), "1.50000");

    HeadlessParameterWindow& huge = window("0", "100000000000000000000000000000000000000", "0");
    EXPECT_THROW(huge.sliderKeyDown(vkBack), FloatingPointOverflow);
    EXPECT_EQ(huge.minimumField().text(), "0");
}

TEST_F(Parameters, IntervalEndsCompileOnlyOnceANumberIsComplete) {
    HeadlessParameterWindow& w = window("-2", "2", "0");
    w.maximumField().setText("1.");
    w.setSliderPosition(1000);
    EXPECT_EQ(w.valueField().text(), "2.00000");
    w.maximumField().setText("1.5");
    w.setSliderPosition(999);
    w.setSliderPosition(1000);
    EXPECT_EQ(w.valueField().text(), "1.50000");
}

TEST_F(Parameters, TimerRedrawsOnlyForAnActivatedMovedSlider) {
    HeadlessParameterWindow& w = window("-2", "2", "0");
    EXPECT_FALSE(w.pollSlider(true));
    w.setSliderPosition(600);
    EXPECT_FALSE(w.pollSlider(false)); // stays pending
    EXPECT_TRUE(w.pollSlider(true));
    EXPECT_FALSE(w.pollSlider(true));
}

TEST_F(Parameters, ShowingStacksTheLiveWindowsBelowTheFirst) {
    list.showParameterWindows(); // empty: nothing
    sync("a*x+b", "c*y");
    sync("a*x", "c*y");
    HeadlessParameterWindow& a = headless(list.findWindow("a"));
    HeadlessParameterWindow& c = headless(list.findWindow("c"));
    a.moveWindow(20, 30);
    list.showParameterWindows();
    EXPECT_TRUE(a.visible() && a.activated());
    EXPECT_TRUE(c.visible() && c.activated());
    EXPECT_EQ(c.windowLeft(), 20);
    EXPECT_EQ(c.windowTop(), 30 + c.windowOuterHeight());

    // A first window at exactly -100 leaves the next one in its place too.
    a.moveWindow(5, -100);
    c.moveWindow(300, 400);
    list.showParameterWindows();
    EXPECT_EQ(c.windowLeft(), 300);
    EXPECT_EQ(c.windowTop(), 400);
}

} // namespace
} // namespace gyrelune
