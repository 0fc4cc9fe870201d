// The undo history, the changed-settings rule and the mouse's view arithmetic.

#include "core/settingsHistory.h"
#include "core/viewGesture.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

AtrDocument withZoom(const char* zoom) {
    AtrDocument settings;
    settings.texts[3] = zoom;
    return settings;
}

TEST(SettingsHistory, StepsUndoRedoAndANewChangeClearsTheRedoList) {
    SettingsHistory history;
    history.reset(withZoom("100"));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.record(withZoom("100"))); // a Draw that changed nothing
    EXPECT_TRUE(history.record(withZoom("200")));  // a Draw
    EXPECT_TRUE(history.record(withZoom("300")));  // an open, a search result, a gesture
    ASSERT_TRUE(history.canUndo());
    EXPECT_EQ(history.undo()->texts[3], "200");
    EXPECT_EQ(history.undo()->texts[3], "100");
    EXPECT_EQ(history.undo(), nullptr);
    EXPECT_EQ(history.redo()->texts[3], "200");
    // The Draw after an undo brings the same settings: no step.
    EXPECT_FALSE(history.record(withZoom("200")));
    EXPECT_TRUE(history.canRedo());
    EXPECT_TRUE(history.record(withZoom("250")));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo()->texts[3], "200");

    SettingsHistory shortOne(3);
    shortOne.reset(withZoom("1"));
    for (const char* zoom : {"2", "3", "4", "5"})
        shortOne.record(withZoom(zoom));
    EXPECT_EQ(shortOne.undo()->texts[3], "4");
    EXPECT_EQ(shortOne.undo()->texts[3], "3");
    EXPECT_EQ(shortOne.undo(), nullptr);
}

TEST(SettingsHistory, ChangedMeansAnythingStoredButThePictureSize) {
    AtrDocument saved = withZoom("100");
    saved.gainText = "1500";
    AtrDocument current = saved;
    current.pictureWidth = 800;
    current.hasPicturePart = true;
    EXPECT_FALSE(settingsChanged(current, saved));
    current.gainText = "4000";
    EXPECT_TRUE(settingsChanged(current, saved));
    current = saved;
    current.parameters.push_back({"a", "-2", "2", "0.5"});
    EXPECT_TRUE(settingsChanged(current, saved));
    current = saved;
    current.background = 0xFF;
    EXPECT_TRUE(settingsChanged(current, saved));
}

TEST(ViewGesture, DragTurnsWheelZoomsAboutTheCursorAndMiddleDragMoves) {
    EXPECT_EQ(turnedAngles({10, 20, 30}, 40, -30, false), (std::array<int, 3>{355, 40, 30}));
    EXPECT_EQ(turnedAngles({10, 20, 30}, 40, 0, true), (std::array<int, 3>{10, 20, 50}));

    const ViewPlace view{100, 0.5L, -0.25L};
    // The point under the cursor at column 300, row 50 of 400 x 200: (1.5, 0.25).
    const ViewPlace zoomed = zoomedAbout(view, 1, 300, 50, 400, 200);
    EXPECT_NEAR(double(zoomed.zoom), 125, 1e-9);
    EXPECT_NEAR(double(zoomed.centreX + 100 / zoomed.zoom), 1.5, 1e-12);
    EXPECT_NEAR(double(zoomed.centreY + 50 / zoomed.zoom), 0.25, 1e-12);
    const ViewPlace back = zoomedAbout(zoomed, -1, 300, 50, 400, 200);
    EXPECT_NEAR(double(back.centreX), 0.5, 1e-12);

    const ViewPlace moved = movedBy(view, 50, -20);
    EXPECT_NEAR(double(moved.centreX), 0, 1e-12);
    EXPECT_NEAR(double(moved.centreY), -0.45, 1e-12);
    EXPECT_EQ(centreText(0.5L, 50), "0.500");
    EXPECT_EQ(centreText(0.123456L, 50000), "0.123456");
}

} // namespace
} // namespace gyrelune
