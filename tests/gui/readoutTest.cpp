// Start-up state, the points-per-second caption and the status line.

#include "guiTestSupport.h"

#include "formula/real48.h"
#include "windows/formulaLineEdit.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace gyrelune::test {
namespace {

using ReadoutTest = GuiTest;

Real48 real(long double value) {
    return Real48::fromExtended(value);
}

QStringList menuTexts(QMenuBar* bar) {
    QStringList texts;
    for (QAction* menu : bar->actions()) {
        texts << menu->text() + ":";
        for (QAction* item : menu->menu()->actions())
            texts << item->text();
    }
    return texts;
}

TEST_F(ReadoutTest, StartsWithTheDefaultsAndNothingDrawn) {
    EXPECT_EQ(main().minimumSize(), main().maximumSize());
    EXPECT_TRUE(image().isVisible());
    EXPECT_TRUE(image().shownPicture().isNull());
    EXPECT_EQ(main().statusLine->text(), "");
    EXPECT_FALSE(main().pointsPerSecondTimer->isActive());
    EXPECT_TRUE(main().statusLineTimer->isActive());
    EXPECT_FALSE(main().renderThread().isRunning());
    EXPECT_TRUE(main().pictureReady());

    const char* const texts[7] = {"sin(x*y*4.36/pi)+y*0.453+0.45",
                                  "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                                  "1.93*cos(y*x)+0.49*sin(x)",
                                  "111.78418",
                                  "0.290",
                                  "-0.362",
                                  "1500"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(main().edit(MainField(i))->text(), texts[i]);

    EXPECT_EQ(menuTexts(main().menuBar()), QStringList({"Fájl:",
                                                        "Új",
                                                        "Megnyitás",
                                                        "Példák",
                                                        "Legutóbbi fájlok",
                                                        "Mentés",
                                                        "Mentés másként",
                                                        "Kép mentése",
                                                        "Poszter mentése…",
                                                        "Film mentése…",
                                                        "Bezárás",
                                                        "Szerkesztés:",
                                                        "Visszavonás",
                                                        "Újra",
                                                        "Eszközök:",
                                                        "Színek",
                                                        "Paraméterek",
                                                        "Felbontás",
                                                        "Attraktor keresése",
                                                        "Az ábra mérése",
                                                        "Súgó:",
                                                        "használat",
                                                        "a készítőről",
                                                        "Nyelv / Language"}));
}

TEST_F(ReadoutTest, PointsPerSecondCaption) {
    core().publish({core().published().ranges, 100});
    main().showPointsPerSecond();
    EXPECT_EQ(image().windowTitle(), "Attraktor Kép       pont/sec: 100");
    // The counter starts again at every restart: the rate counts from there.
    core().publish({core().published().ranges, 40});
    main().showPointsPerSecond();
    EXPECT_EQ(image().windowTitle(), "Attraktor Kép       pont/sec: 40");
    drawAndStop();
    EXPECT_EQ(image().windowTitle(), "Attraktor Kép       pont/sec: 0");
}

TEST_F(ReadoutTest, StatusLineFollowsThePublishedRanges) {
    main().refreshStatusLine();
    EXPECT_EQ(main().statusLine->text(), "");

    {
        RenderCore::Published p = core().published();
        p.ranges.xMin = real(-1.5L);
        core().publish(p);
    }
    {
        RenderCore::Published p = core().published();
        p.ranges.xMax = real(2.25L);
        core().publish(p);
    }
    {
        RenderCore::Published p = core().published();
        p.ranges.yMax = real(1);
        core().publish(p);
    }
    {
        RenderCore::Published p = core().published();
        p.ranges.zMin = real(-3);
        core().publish(p);
    }
    {
        RenderCore::Published p = core().published();
        p.ranges.zMax = real(0.125L);
        core().publish(p);
    }
    main().refreshStatusLine();
    const QString blanks17(17, ' ');
    EXPECT_EQ(main().statusLine->text(), blanks17 + "X tartomány: [-1.500 , 2.250]      "
                                                    "Y tartomány: [0.000 , 1.000]      "
                                                    "Z tartomány: [-3.000 , 0.125]");

    // Unchanged ranges leave the line alone; one changed value refreshes it.
    main().statusLine->setText("kept");
    main().refreshStatusLine();
    EXPECT_EQ(main().statusLine->text(), "kept");
    {
        RenderCore::Published p = core().published();
        p.ranges.yMin = real(-0.5L);
        core().publish(p);
    }
    main().refreshStatusLine();
    EXPECT_TRUE(main().statusLine->text().contains("Y tartomány: [-0.500 , 1.000]"));
}

TEST_F(ReadoutTest, HungarianStandardDialogs) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Mégse");
}

} // namespace
} // namespace gyrelune::test
