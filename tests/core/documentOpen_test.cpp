#include "core/documentOpen.h"
#include "core/headlessSession.h"
#include "coreTestSupport.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

class DocumentOpen : public ::testing::Test {
  protected:
    RenderCore core;
    DirectDrawServices services{core, 200, 100};
    HeadlessSession session;

    void open(const std::string& bytes) {
        session.open(parseAtrDocument(bytes), "/docs/a.atr", services);
    }
};

TEST_F(DocumentOpen, FillsTheWindowsAndDraws) {
    session.rotation.watch.rotationActive = true;
    open("a*x\ny\nz+b\n50\n1\n2\n370\n-90\n45.5\n2\n1\n2\n3\n4\n5\n6\n7\n8\n9\n"
         "1\nb\n0\n10\n2.5\n");
    EXPECT_EQ(session.mainFields[0].text(), "a*x");
    EXPECT_EQ(session.mainFields[6].text(), MainWindowDefaults::gain); // gain is not stored
    // Angle texts run the rotation window's change handling.
    EXPECT_EQ(session.rotation.angleField(0).text(), "10");
    EXPECT_EQ(session.rotation.angleField(1).text(), "270");
    EXPECT_EQ(session.rotation.sliderPosition(2), 46);
    EXPECT_FALSE(session.rotation.watch.rotationActive);
    EXPECT_EQ(session.colourStops, (ColourStops{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(session.background, 7 + 256 * 8 + 65536 * 9);
    EXPECT_EQ(session.state.documentName, "/docs/a.atr");

    // The stored window keeps its value text; Draw gives a its default window.
    ASSERT_EQ(session.parameters.liveCount(), 2u);
    AbstractParameterWindow* b = session.parameters.findWindow("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->valueField().text(), "2.5");
    EXPECT_EQ(b->sliderPosition(), 250);
    EXPECT_EQ(session.parameters.findWindow("a")->valueField().text(), "0");
    EXPECT_EQ(core.submitted().formulaZ.variables().at(1).value, Real48::fromExtended(2.5));
    EXPECT_EQ(core.submitted().colours, session.colourStops);
    EXPECT_TRUE(core.restartRequested());
}

TEST_F(DocumentOpen, StoredParametersThatNoFormulaUsesAreClosedByTheDraw) {
    open("x\ny\nz\n1\n0\n0\n0\n0\n0\n2\n0\n0\n0\n1\n1\n1\n0\n0\n0\n1\nunused\n-1\n1\n0\n");
    EXPECT_EQ(session.parameters.liveCount(), 0u);
    EXPECT_TRUE(session.parameters.entries().empty());
}

TEST_F(DocumentOpen, ADocumentWithoutParametersStillClosesTheOldWindows) {
    session.mainFields[0].setText("k*x");
    session.draw(services);
    AbstractParameterWindow* old = session.parameters.findWindow("k");
    ASSERT_NE(old, nullptr);
    old->valueField().setText("1.5");
    open("k*x\ny\nz\n1\n0\n0\n0\n0\n0\n2\n0\n0\n0\n1\n1\n1\n0\n0\n0\n");
    AbstractParameterWindow* fresh = session.parameters.findWindow("k");
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(fresh->valueField().text(), "0");
}

TEST_F(DocumentOpen, AFailedReadAppliesWhatCameBeforeItAndDoesNotDraw) {
    session.mainFields[0].setText("k*x");
    session.draw(services);
    core.withdrawRestartRequest();
    const ColourStops before = session.colourStops;

    EXPECT_THROW(open("q\nr\ns\n1\n2\n3\n4\n5\n6\n-3\n"), std::runtime_error);
    EXPECT_EQ(session.mainFields[2].text(), "s");
    EXPECT_EQ(session.colourStops, before);
    EXPECT_EQ(session.parameters.liveCount(), 1u);
    EXPECT_FALSE(core.restartRequested());

    try {
        open("q\nr\ns\n1\n2\n3\n4\n5\n6\n1\n9\n9\n9\n0\n0\n0\n-1\n");
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Range check error");
    }
    EXPECT_EQ(session.colourStops, (ColourStops{{9, 9, 9}}));
    EXPECT_EQ(session.parameters.liveCount(), 0u);
    EXPECT_FALSE(core.restartRequested());

    test::ScratchDirectory dir;
    EXPECT_THROW(session.open(readAtrDocument(dir.file("none.atr")), "", services),
                 std::runtime_error);
    EXPECT_EQ(session.mainFields[2].text(), "s");
}

TEST_F(DocumentOpen, AnEmptyColourListIsKeptAndDrawn) {
    open("x\ny\nz\n1\n0\n0\n0\n0\n0\n0\n");
    EXPECT_TRUE(session.colourStops.empty());
    EXPECT_TRUE(core.submitted().colours.empty());
}

} // namespace
} // namespace gyrelune
