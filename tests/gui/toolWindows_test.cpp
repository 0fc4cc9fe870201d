// The parameter, rotation and colour windows against a stand-in main window.

#include "toolWindowsTestSupport.h"

#include "windows/colourWindow.h"
#include "windows/formulaLineEdit.h"
#include "windows/parameterWindow.h"
#include "windows/rotationWindow.h"
#include "windows/toolControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>
#include <vector>

namespace gyrelune::test {
namespace {

// ---- Parameter windows.

class ParameterWindowTest : public ::testing::Test {
  protected:
    ParameterWindow& window(const char* name) {
        AbstractParameterWindow* found = main.parameters.findWindow(name);
        EXPECT_NE(found, nullptr) << name;
        return dynamic_cast<ParameterWindow&>(*found);
    }
    ParameterWindow& windowOfA() {
        main.syncFormulas("a*x", "y", "z");
        return window("a");
    }
    static void setInterval(ParameterWindow& w, const char* minimum, const char* maximum,
                            const char* value) {
        w.minimumEdit->setText(minimum);
        w.maximumEdit->setText(maximum);
        w.valueEdit->setText(value);
    }

    FakeMainCommands main{[this] { return std::make_unique<ParameterWindow>(main); }};
    ErrorBoxes errors;
};

// Counts the key presses that reach a widget.
class KeyCounter : public QObject {
  public:
    explicit KeyCounter(QObject* watched) { watched->installEventFilter(this); }
    int presses = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

TEST_F(ParameterWindowTest, ANewParameterGetsAHiddenWindowWithTheDefaults) {
    ParameterWindow& a = windowOfA();
    EXPECT_EQ(a.nameLabel->text(), "a:=");
    EXPECT_EQ(a.valueEdit->text(), "0");
    EXPECT_EQ(a.minimumEdit->text(), "-2");
    EXPECT_EQ(a.maximumEdit->text(), "2");
    EXPECT_EQ(a.minimumEdit->field().marking(), FormulaField::Marking::normal);
    EXPECT_EQ(a.slider->value(), 500);
    EXPECT_FALSE(a.isVisible());
    EXPECT_FALSE(a.activated());
}

TEST_F(ParameterWindowTest, TheSliderWritesTheValueOnlyOnceActivated) {
    ParameterWindow& a = windowOfA();
    a.slider->setValue(0);
    EXPECT_EQ(a.valueEdit->text(), "0");

    a.activate();
    const struct {
        const char *minimum, *maximum;
        int position;
        const char* value;
    } cases[] = {
        {"-2", "2", 1000, "2.00000"},
        {"-2", "2", 750, "1.00000"},
        {"-2", "2", 0, "-2.00000"},
        {"1.5", "1.5", 200, "1.50000"},
        {"1.5", "1.5", 900, "1.50000"},
        // A minimum above the maximum runs the slider from the larger end.
        {"3", "-1", 0, "3.00000"},
        {"3", "-1", 1000, "-1.00000"},
    };
    for (const auto& c : cases) {
        a.minimumEdit->setText(c.minimum);
        a.maximumEdit->setText(c.maximum);
        a.slider->setValue(c.position);
        EXPECT_EQ(a.valueEdit->text(), c.value)
            << c.minimum << " " << c.maximum << " " << c.position;
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(ParameterWindowTest, PlaceSliderClampsAndLeavesAFlatIntervalAlone) {
    ParameterWindow& a = windowOfA();
    const struct {
        const char *minimum, *maximum, *value;
        int position;
    } cases[] = {{"0", "1", "0.25", 250},
                 {"-2", "2", "5", 1000},
                 {"-2", "2", "-7", 0},
                 {"1", "1", "0.3", 0}};
    for (const auto& c : cases) {
        setInterval(a, c.minimum, c.maximum, c.value);
        a.placeSlider();
        EXPECT_EQ(a.slider->value(), c.position) << c.value;
        EXPECT_EQ(a.valueEdit->text(), c.value); // not activated: the text stays
    }
}

TEST_F(ParameterWindowTest, ShiftHalvesAndBackspaceDoublesOnTheSliderAndGoNoFurther) {
    ParameterWindow& a = windowOfA();
    KeyCounter reachingTheWindow(&a);
    const struct {
        Qt::Key key;
        const char *minimum, *maximum;
    } cases[] = {{Qt::Key_Shift, "0.25000", "0.75000"}, {Qt::Key_Backspace, "-0.50000", "1.50000"}};
    for (const auto& c : cases) {
        setInterval(a, "0", "1", "0.5");
        a.placeSlider();
        ASSERT_EQ(a.slider->value(), 500);
        QTest::keyClick(a.slider, c.key);
        EXPECT_EQ(a.minimumEdit->text(), c.minimum);
        EXPECT_EQ(a.maximumEdit->text(), c.maximum);
        EXPECT_EQ(a.slider->value(), 500);
    }
    EXPECT_EQ(reachingTheWindow.presses, 0);
    // Ctrl does nothing to the interval.
    QTest::keyClick(a.slider, Qt::Key_Control);
    EXPECT_EQ(a.minimumEdit->text(), "-0.50000");

    // Beyond the 6-byte range: the error box, and the interval keeps its texts.
    setInterval(a, "-100000000000000000000000000000000000000",
                "100000000000000000000000000000000000000", "0");
    a.placeSlider();
    QTest::keyClick(a.slider, Qt::Key_Backspace);
    EXPECT_EQ(errors.messages, QStringList{"Floating point overflow"});
    EXPECT_EQ(a.maximumEdit->text(), "100000000000000000000000000000000000000");
}

TEST_F(ParameterWindowTest, AnIntervalEndIsCompiledAsTypedUnlessItEndsInAPoint) {
    ParameterWindow& a = windowOfA();
    a.minimumEdit->setText("3");
    a.minimumEdit->setText("1.");
    EXPECT_EQ(a.minimumField().field().evaluate(), 3); // "1." not compiled
    QTest::keyClick(a.minimumEdit, Qt::Key_5);
    EXPECT_EQ(a.minimumEdit->text(), "1.5");
    EXPECT_EQ(a.minimumField().field().evaluate(), 1.5L);
    a.maximumEdit->setText("");
    EXPECT_EQ(a.maximumField().field().evaluate(), 2); // empty: not compiled
}

TEST_F(ParameterWindowTest, EnterInTheValueFieldDrawsAndAltAnywhereCentres) {
    ParameterWindow& a = windowOfA();
    QTest::keyClick(a.valueEdit, Qt::Key_Return);
    EXPECT_EQ(main.draws, 1);
    main.ready = false;
    QTest::keyClick(a.valueEdit, Qt::Key_Enter);
    EXPECT_EQ(main.draws, 1);
    main.ready = true;
    QTest::keyClick(a.minimumEdit, Qt::Key_Return);
    QTest::keyClick(a.maximumEdit, Qt::Key_Return);
    EXPECT_EQ(main.draws, 1);

    QTest::keyClick(a.maximumEdit, Qt::Key_Alt);
    QTest::keyClick(a.slider, Qt::Key_Alt);
    EXPECT_EQ(main.centres, 2);
}

TEST_F(ParameterWindowTest, TheTimerTurnsTheMovesOfOneTickIntoOneDraw) {
    main.syncFormulas("a*x", "b*y", "z");
    ParameterWindow& a = window("a");
    ParameterWindow& b = window("b");
    a.activate();
    for (int position : {100, 200, 300})
        a.slider->setValue(position);
    QTRY_COMPARE_WITH_TIMEOUT(main.draws, 1, 2000);
    EXPECT_EQ(a.valueEdit->text(), "-0.80000");

    // Not activated: the move is only recorded.
    b.slider->setValue(10);
    QTRY_COMPARE_WITH_TIMEOUT(b.lastPosition(), 10, 2000);
    // While no picture is ready, the move waits.
    main.ready = false;
    a.slider->setValue(400);
    QTest::qWait(150);
    EXPECT_EQ(main.draws, 1);
    main.ready = true;
    QTRY_COMPARE_WITH_TIMEOUT(main.draws, 2, 2000);
}

TEST_F(ParameterWindowTest, ParametersCommandStacksTheLiveWindowsEdgeToEdge) {
    main.showParameterWindows(); // an empty list shows nothing
    main.syncFormulas("a*x+b", "c*y", "z");
    main.syncFormulas("a*x", "c*y", "z"); // b's slot is free
    main.showParameterWindows();
    ParameterWindow& a = window("a");
    ParameterWindow& c = window("c");
    EXPECT_TRUE(a.isVisible() && c.isVisible());
    EXPECT_TRUE(a.activated() && c.activated());
    const QPoint top = a.pos();
    EXPECT_EQ(c.pos(), QPoint(top.x(), top.y() + c.windowOuterHeight()));
    EXPECT_GE(c.windowOuterHeight(), std::max(c.height(), 1));

    // Closing only hides, the timer still polling; the command shows the column again.
    a.close();
    EXPECT_TRUE(a.pollTimer->isActive());
    c.move(50, 50);
    main.showParameterWindows();
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.pos(), top);
    EXPECT_EQ(c.pos(), QPoint(top.x(), top.y() + c.windowOuterHeight()));

    // A retired window is closed and polls no more.
    main.syncFormulas("x", "c*y", "z");
    EXPECT_FALSE(a.isVisible());
    EXPECT_FALSE(a.pollTimer->isActive());
}

// ---- Rotation window.

class RotationWindowTest : public ::testing::Test {
  protected:
    RotationWindowTest() { form.pollTimer->stop(); } // ticks are run by hand

    void setAngles(const char* x, const char* y, const char* z) {
        form.angleEdits[0]->setText(x);
        form.angleEdits[1]->setText(y);
        form.angleEdits[2]->setText(z);
    }

    FakeMainCommands main{[] { return nullptr; }};
    RotationWindow form{main, &main.window};
    ErrorBoxes errors;
};

TEST_F(RotationWindowTest, StartsHiddenWithThreeRowsAtZero) {
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.rotationActive());
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(form.angleEdits[row]->text(), "0");
        EXPECT_EQ(form.angleSliders[row]->value(), 0);
        EXPECT_EQ(&form.angleField(int(row)).field(), &form.angleEdits[row]->field());
    }
    EXPECT_FALSE(form.angleSliders[0]->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(form.angleSliders[1]->focusPolicy() & Qt::TabFocus);
}

TEST_F(RotationWindowTest, AnAngleTextMovesItsSliderAndAcceptedAnglesComeBackWhole) {
    const struct {
        const char* typed;
        int position;
        const char* shown;
    } cases[] = {{"370", 10, "10"},    {"-90", 270, "270"}, {"45.5", 46, "46"}, {"44", 44, "44"},
                 {"44.5", 44, "44.5"}, {"10*3", 30, "30"},  {"1+", 30, "1+"}};
    for (const auto& c : cases) {
        form.angleEdits[1]->setText(c.typed);
        EXPECT_EQ(form.angleSliders[1]->value(), c.position) << c.typed;
        EXPECT_EQ(form.angleEdits[1]->text(), c.shown) << c.typed;
    }
    EXPECT_EQ(form.angleEdits[1]->field().marking(), FormulaField::Marking::error);
    form.angleSliders[2]->setValue(123);
    EXPECT_EQ(form.angleEdits[2]->text(), "123");
    EXPECT_EQ(form.angleEdits[2]->field().marking(), FormulaField::Marking::normal);
}

TEST_F(RotationWindowTest, ThreeAnglesChangedInOneTickGiveThreeDraws) {
    // Not active: the texts are only recorded.
    setAngles("1", "2", "3");
    form.pollForRedraw();
    EXPECT_EQ(main.draws, 0);
    EXPECT_EQ(form.lastAngleText(), (std::array<std::string, 3>{"1", "2", "3"}));

    form.setRotationActive(true);
    setAngles("10", "20", "30");
    form.pollForRedraw();
    EXPECT_EQ(main.draws, 3);
    form.pollForRedraw();
    EXPECT_EQ(main.draws, 3);

    // A change waits while no picture is ready.
    main.ready = false;
    form.angleSliders[0]->setValue(90);
    form.pollForRedraw();
    EXPECT_EQ(main.draws, 3);
    main.ready = true;
    form.pollForRedraw();
    EXPECT_EQ(main.draws, 4);
}

TEST_F(RotationWindowTest, TheRunningTimerRedrawsAChangedAngle) {
    form.setRotationActive(true);
    form.pollTimer->start();
    form.angleSliders[2]->setValue(45);
    QTRY_COMPARE_WITH_TIMEOUT(main.draws, 1, 2000);
}

TEST_F(RotationWindowTest, EnterOnASliderDrawsAndAltCentres) {
    main.ready = false; // Enter on a slider draws at once regardless
    QTest::keyClick(form.angleSliders[1], Qt::Key_Return);
    EXPECT_EQ(main.draws, 1);
    QTest::keyClick(form.angleEdits[1], Qt::Key_Return);
    EXPECT_EQ(main.draws, 1);
    QTest::keyClick(form.angleEdits[0], Qt::Key_Alt);
    EXPECT_EQ(main.centres, 1);
}

// ---- Colour window.

class ColourWindowTest : public ::testing::Test {
  protected:
    ColourWindowTest() {
        form.setColourDialog([this](QWidget*, QColor initial) {
            openedWith.push_back(initial);
            return answer;
        });
    }

    static QColor pixel(PictureBox* box, int x = 0) { return box->canvas().pixelColor(x, 0); }

    FakeMainCommands main{[] { return nullptr; }};
    ColourWindow form{main, &main.window};
    std::vector<QColor> openedWith;
    std::optional<QColor> answer;
};

ColourStop stop(int r, int g, int b) {
    return ColourStop{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

TEST_F(ColourWindowTest, AFreshWindowShowsTheDefaultStopsAndTheirStrip) {
    EXPECT_FALSE(form.isVisible());

    EXPECT_EQ(pixel(form.zMinSwatch), QColor(255, 0, 0));
    EXPECT_EQ(pixel(form.zMaxSwatch), QColor(0, 0, 255));
    EXPECT_EQ(pixel(form.backgroundSwatch), QColor(0, 0, 0));
    // The empty published range spreads the stops over [-1, 1].
    ASSERT_EQ(form.gradientStrip->canvas().size(), QSize(297, 17));
    EXPECT_EQ(pixel(form.gradientStrip, 0), QColor(255, 0, 0));
    EXPECT_EQ(pixel(form.gradientStrip, 99), QColor(255, 255, 0));
    EXPECT_EQ(pixel(form.gradientStrip, 198), QColor(0, 255, 0));
    const QColor right = pixel(form.gradientStrip, 296);
    EXPECT_EQ(right.red(), 0);
    EXPECT_LT(right.green(), 5);
    EXPECT_GT(right.blue(), 250);
    EXPECT_EQ(form.gradientStrip->canvas().pixelColor(296, 16), right);
}

TEST_F(ColourWindowTest, TheStripFollowsThePublishedRangeWhenRepainted) {
    main.zMin = 0;
    main.zMax = 3;
    EXPECT_EQ(form.colourAtDepth(Real48::fromExtended(1.5L)), packColour(128, 255, 0));
    EXPECT_EQ(pixel(form.gradientStrip, 99), QColor(255, 255, 0)); // not yet repainted
    main.zMin = -3;
    form.repaintSwatches();
    EXPECT_EQ(pixel(form.gradientStrip, 0), QColor(255, 0, 0));
    EXPECT_EQ(pixel(form.gradientStrip, 99), QColor(255, 255, 0));
}

TEST_F(ColourWindowTest, NewInsertsBeforeZmaxAndDropTakesItOut) {
    answer = QColor(Qt::white);
    form.addStopButton->click();
    EXPECT_EQ(form.colourStops(), (ColourStops{stop(255, 0, 0), stop(255, 255, 0), stop(0, 255, 0),
                                               stop(255, 255, 255), stop(0, 0, 255)}));
    ASSERT_EQ(openedWith.size(), 1u);
    EXPECT_EQ(openedWith[0], QColor(Qt::black)); // what the chooser held
    EXPECT_EQ(form.colourAtDepth(Real48::fromExtended(0.5L)), packColour(255, 255, 255));
    EXPECT_GE(qGray(pixel(form.gradientStrip, 222).rgb()), 250); // white at three quarters

    form.dropStopButton->click();
    EXPECT_EQ(form.colourStops(), defaultColourStops());
    EXPECT_EQ(pixel(form.gradientStrip, 99), QColor(255, 255, 0));

    form.colourStops() = {stop(255, 0, 0), stop(0, 0, 255)};
    form.dropStopButton->click();
    EXPECT_EQ(form.colourStops().size(), 2u);
}

TEST_F(ColourWindowTest, SwatchChoosersArePresetOrOpenWithTheLastColour) {
    answer = QColor(0, 200, 0);
    QTest::mouseDClick(form.zMinSwatch, Qt::LeftButton);
    EXPECT_EQ(openedWith.back(), QColor(255, 0, 0));
    EXPECT_EQ(form.colourStops().front(), stop(0, 200, 0));
    EXPECT_EQ(pixel(form.zMinSwatch), QColor(0, 200, 0));

    answer.reset(); // cancelled: nothing changes
    QTest::mouseDClick(form.zMaxSwatch, Qt::LeftButton);
    EXPECT_EQ(openedWith.back(), QColor(0, 0, 255));
    EXPECT_EQ(form.colourStops().back(), stop(0, 0, 255));

    answer = QColor(10, 20, 30);
    QTest::mouseDClick(form.backgroundSwatch, Qt::LeftButton);
    EXPECT_EQ(openedWith.back(), QColor(0, 0, 255)); // still the Zmax preset
    EXPECT_EQ(form.background(), packColour(10, 20, 30));
    EXPECT_EQ(pixel(form.backgroundSwatch), QColor(10, 20, 30));
    form.addStopButton->click();
    EXPECT_EQ(openedWith.back(), QColor(10, 20, 30));
}

TEST_F(ColourWindowTest, ListsShorterThanTwoStopsAreShownWithoutReadingPastThem) {
    form.colourStops().clear();
    form.repaintSwatches();
    EXPECT_EQ(pixel(form.zMinSwatch), QColor(0, 0, 0));
    EXPECT_EQ(pixel(form.zMaxSwatch), QColor(0, 0, 0));
    EXPECT_EQ(pixel(form.gradientStrip, 150), QColor(0, 0, 0));
    form.dropStopButton->click();
    EXPECT_TRUE(form.colourStops().empty());

    answer = QColor(9, 8, 7);
    QTest::mouseDClick(form.zMaxSwatch, Qt::LeftButton);
    EXPECT_EQ(form.colourStops(), ColourStops{stop(9, 8, 7)});
    EXPECT_EQ(pixel(form.zMinSwatch), QColor(9, 8, 7));
    EXPECT_EQ(pixel(form.gradientStrip, 296), QColor(9, 8, 7));
}

TEST_F(ColourWindowTest, OkDraws) {
    form.okButton->click();
    EXPECT_EQ(main.draws, 1);
}

} // namespace
} // namespace gyrelune::test
