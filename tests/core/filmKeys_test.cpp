#include "core/filmKeyList.h"
#include "core/filmKeys.h"

#include "coreTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>

namespace gyrelune {
namespace {

AtrDocument keyDocument(const std::string& formulaZ, const std::string& angleY,
                        std::vector<StoredParameter> parameters) {
    AtrDocument document;
    document.texts = {"a*x", "y", formulaZ, "100", "0", "0", "0", angleY, "0"};
    document.colourStops = defaultColourStops();
    document.hasParameterPart = true;
    document.parameters = std::move(parameters);
    return document;
}

TEST(FilmKeys, DocumentsReadAsOpenedAndTheirMismatches) {
    test::ScratchDirectory folder;
    const std::string one = folder.file("one.atr"), two = folder.file("two.atr"),
                      other = folder.file("other.atr"), bare = folder.file("bare.atr");
    writeAtrDocument(one, keyDocument("z", "0", {{"a", "0", "2", "1.25"}}));
    writeAtrDocument(two, keyDocument("z", "90", {{"a", "0", "2", "1.5"}}));
    writeAtrDocument(other, keyDocument("z*a", "0", {{"a", "0", "2", "1"}}));
    writeAtrDocument(bare, keyDocument("z", "0", {}));

    const auto keys = readFilmKeys({one, two}, "1500");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].formulaX.variables()[std::size_t(keys[0].formulaX.findVariable("a"))].value,
              Real48::fromExtended(1.25L));
    EXPECT_NEAR(keys[1].angleY.toDouble(), std::numbers::pi / 2, 1e-11);

    auto messageOf = [](const std::vector<std::string>& files) {
        try {
            readFilmKeys(files, "1500");
        } catch (const FilmKeyError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(messageOf({one, other}), "'" + other + "' has other formulas than '" + one +
                                           "'; every keyframe needs the same three");
    EXPECT_EQ(messageOf({one, bare}),
              "'" + bare + "' has no value for the parameter 'a' that '" + one + "' has");
    EXPECT_EQ(messageOf({one, folder.file("none.atr")}).rfind("cannot read '", 0), 0u);
}

TEST(FilmKeyList, KeysInOrderWithTheirTimes) {
    RenderSettings a, b, other;
    a.formulaX.text = b.formulaX.text = "x";
    a.gain = 1, b.gain = 2;
    other.formulaX.text = "y";
    FilmKeyList keys;
    EXPECT_TRUE(keys.add(a, "a.atr"));
    EXPECT_TRUE(keys.add(b, ""));
    EXPECT_FALSE(keys.add(other, ""));
    EXPECT_TRUE(keys.add(a, ""));
    EXPECT_EQ(keys.keyTimes(10, false), (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(keys.keyTimes(9, true), (std::vector<double>{0, 3, 6}));
    EXPECT_TRUE(keys.moveDown(0));
    EXPECT_FALSE(keys.moveDown(2));
    EXPECT_FALSE(keys.moveUp(0));
    keys.remove(2);
    const FilmPlan plan = keys.plan(20, true, FilmEase::linear);
    ASSERT_EQ(plan.keys.size(), 2u);
    EXPECT_EQ(plan.keys[0].gain, 2);
    EXPECT_EQ(keys.entries()[1].label, "a.atr");
}

} // namespace
} // namespace gyrelune
