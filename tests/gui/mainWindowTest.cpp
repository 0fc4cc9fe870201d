// The main window's commands through its buttons, keys and menu.

#include "guiTestSupport.h"

#include "formula/real48.h"
#include "formula/realToText.h"
#include "windows/formulaLineEdit.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace gyrelune::test {
namespace {

using MainWindowTest = GuiTest;

Real48 real(long double value) {
    return Real48::fromExtended(value);
}

TEST_F(MainWindowTest, StopCentreAndSaveDoNothingBeforeTheFirstDraw) {
    main().stopButton->click();
    EXPECT_EQ(main().stopButton->text(), "Stop");
    main().centreButton->click();
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "111.78418");
    EXPECT_EQ(main().edit(MainField::centreX)->text(), "0.290");
    EXPECT_EQ(core().submitted().centreX, Real48());
    saveAnswer = "/tmp/never.jpg";
    main().savePictureAction->trigger();
    EXPECT_TRUE(saveRequests.isEmpty());
    EXPECT_FALSE(core().saveRequested());
    EXPECT_FALSE(main().state().renderStarted);
    EXPECT_FALSE(main().renderThread().isRunning());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, FirstDrawHandsOverAllFormulasAndARepeatNone) {
    main().drawButton->click();
    EXPECT_TRUE(main().state().renderStarted);
    EXPECT_EQ(core().submitted().formulaX.text, "sin(x*y*4.36/pi)+y*0.453+0.45");
    EXPECT_EQ(core().submitted().formulaY.text, "1.795*cos(x)-1.5324*sin(x*1.65/pi)");
    EXPECT_EQ(core().submitted().formulaZ.text, "1.93*cos(y*x)+0.49*sin(x)");

    // Unchanged texts are not handed over again.
    RenderSettings untouched = core().submitted();
    for (Formula* formula : {&untouched.formulaX, &untouched.formulaY, &untouched.formulaZ})
        formula->text = "untouched";
    core().submit(untouched);
    main().draw();
    EXPECT_EQ(core().submitted().formulaX.text, "untouched");
    EXPECT_EQ(core().submitted().formulaZ.text, "untouched");

    // A changed one is.
    main().edit(MainField::formulaY)->setText("y*0.5");
    main().draw();
    EXPECT_EQ(core().submitted().formulaY.text, "y*0.5");
    EXPECT_EQ(core().submitted().formulaX.text, "untouched");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, StopContinueAndDrawWhileStopped) {
    main().draw();
    EXPECT_TRUE(main().pointsPerSecondTimer->isActive());
    main().stopButton->click();
    EXPECT_EQ(main().stopButton->text(), "Folytat");
    EXPECT_TRUE(main().renderThread().isSuspended());
    EXPECT_FALSE(main().pointsPerSecondTimer->isActive());
    waitForGate();

    // Draw while stopped reads no field, enables pointsPerSecondTimer and leaves the request
    // waiting.
    const Real48 zoomBefore = core().submitted().zoom;
    main().edit(MainField::zoom)->setText("50");
    core().withdrawRestartRequest();
    main().draw();
    EXPECT_EQ(main().stopButton->text(), "Folytat");
    EXPECT_EQ(core().submitted().zoom, zoomBefore);
    EXPECT_TRUE(main().pointsPerSecondTimer->isActive());
    EXPECT_TRUE(core().restartRequested());
    EXPECT_TRUE(main().renderThread().isSuspended());

    main().stopButton->click();
    EXPECT_EQ(main().stopButton->text(), "Stop");
    EXPECT_FALSE(main().renderThread().isSuspended());
    EXPECT_TRUE(main().pointsPerSecondTimer->isActive());
}

TEST_F(MainWindowTest, GainIsClampedByDrawButNotByCentre) {
    const struct {
        const char* text;
        std::int32_t draw, centre;
    } cases[] = {{"-5", 0, -5}, {"2.5", 2, 2}, {"3.5", 4, 4}};
    for (const auto& c : cases) {
        main().edit(MainField::gain)->setText(c.text);
        main().draw();
        EXPECT_EQ(core().submitted().gain, c.draw) << c.text;
        main().centre();
        EXPECT_EQ(core().submitted().gain, c.centre) << c.text;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, AngleTextsAreReadAsLeadingIntegersOfDegrees) {
    const struct {
        const char* text;
        int degrees;
    } cases[] = {{"90", 90},   {" 90", 90},   {"90abc", 90}, {"90.9", 90},
                 {"-90", -90}, {"-90.9", 90}, {"$10", 16},   {"", 0}};
    for (const auto& c : cases) {
        rotation.fields[0].setText(c.text);
        rotation.fields[2].setText(c.text);
        main().draw();
        const Real48 expected = real(c.degrees / 180.0L * std::numbers::pi_v<long double>);
        EXPECT_EQ(core().submitted().angleX, expected) << '"' << c.text << '"';
        EXPECT_EQ(core().submitted().angleY, Real48()) << '"' << c.text << '"';
        EXPECT_EQ(core().submitted().angleZ, expected) << '"' << c.text << '"';
    }
}

TEST_F(MainWindowTest, CentreFitsThePublishedRange) {
    image().setClientSize(400, 400);
    drawAndStop();

    // Nothing published yet: both centres 0, the zoom kept.
    core().publish({});
    main().centreButton->click();
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "111.78418");
    EXPECT_EQ(main().edit(MainField::centreX)->text(), "0.000");
    EXPECT_EQ(main().edit(MainField::centreY)->text(), "0.000");
    EXPECT_TRUE(core().restartRequested());

    // X from -1 to 3 and Y from 0 to 1 in 400 x 400: X limits.
    RenderCore::Published shown;
    shown.ranges.xMin = real(-1);
    shown.ranges.xMax = real(3);
    shown.ranges.yMin = real(0);
    shown.ranges.yMax = real(1);
    core().publish(shown);
    main().centre();
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "95.00000");
    EXPECT_EQ(main().edit(MainField::centreX)->text(), "1.000");
    EXPECT_EQ(main().edit(MainField::centreY)->text(), "0.500");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, AnErrorEndsTheCommandAndShowsTheErrorBox) {
    drawAndStop();
    core().withdrawRestartRequest();
    // A zoom beyond the 6-byte range: the centres are written, the zoom is not.
    RenderCore::Published shown;
    shown.ranges.xMin = real(0);
    shown.ranges.xMax = real(1e-37L);
    shown.ranges.yMin = shown.ranges.yMax = real(0);
    core().publish(shown);
    main().centre();
    ASSERT_EQ(errors, QStringList{"Floating point overflow"});
    EXPECT_EQ(core().submitted().centreX, real(0.5e-37L));
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "111.78418");
    EXPECT_FALSE(core().restartRequested());
}

TEST_F(MainWindowTest, EnterDrawsAndAltCentresWithoutTakingTheKey) {
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    main().edit(MainField::formulaX)->setFocus();
    QSignalSpy returnPressed(main().edit(MainField::formulaX), &QLineEdit::returnPressed);
    QTest::keyClick(main().edit(MainField::formulaX), Qt::Key_Return);
    EXPECT_TRUE(main().state().renderStarted);
    EXPECT_EQ(returnPressed.count(), 1);

    main().edit(MainField::centreX)->setText("7");
    QTest::keyClick(main().edit(MainField::formulaX), Qt::Key_Alt, Qt::AltModifier);
    EXPECT_NE(main().edit(MainField::centreX)->text(), "7");
    // A letter is neither.
    main().edit(MainField::centreX)->setText("7");
    QTest::keyClick(main().edit(MainField::formulaX), Qt::Key_A);
    EXPECT_EQ(main().edit(MainField::centreX)->text(), "7");
}

TEST_F(MainWindowTest, SaveCommandAsksForAJpgOrBmpNameAndRaisesTheRequest) {
    drawAndStop();
    saveAnswer = QString();
    main().savePictureAction->trigger();
    EXPECT_FALSE(core().saveRequested());
    ASSERT_EQ(saveRequests.size(), 1);
    EXPECT_EQ(saveRequests[0], "JPG képfájl (*.jpg);;BMP bitmapfájl (*.bmp)|jpg");

    saveAnswer = "/tmp/gyrelune-picture.bmp";
    main().savePictureAction->trigger();
    EXPECT_TRUE(core().saveRequested());
}

TEST_F(MainWindowTest, FailedSaveShowsTheErrorBox) {
    drawAndStop();
    saveAnswer = "/nonexistent-directory/picture.jpg";
    main().savePictureAction->trigger();
    main().toggleStop(); // the request is served when drawing continues
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 5000);
    EXPECT_TRUE(errors[0].contains("/nonexistent-directory/picture.jpg"));
}

} // namespace
} // namespace gyrelune::test
