#include "coreTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace gyrelune {
namespace {

// The default set-up, saved without its picture part.
const std::string defaultDocument =
    "sin(x*y*4.36/pi)+y*0.453+0.45\r\n1.795*cos(x)-1.5324*sin(x*1.65/pi)\r\n"
    "1.93*cos(y*x)+0.49*sin(x)\r\n111.78418\r\n0.290\r\n-0.362\r\n0\r\n0\r\n0\r\n"
    "4\r\n255\r\n0\r\n0\r\n255\r\n255\r\n0\r\n0\r\n255\r\n0\r\n0\r\n0\r\n255\r\n"
    "0\r\n0\r\n0\r\n0\r\n";

class CliRender : public ::testing::Test {
  protected:
    test::ScratchDirectory dir;

    // Runs gyrelune-cli render with the arguments; returns the exit status.
    int render(const std::string& arguments) {
        const std::string command =
            std::string(GYRELUNE_CLI) + " render " + arguments + " 2>" + dir.file("stderr.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() { return test::readBytes(dir.file("stderr.txt")); }
    bool exists(const std::string& name) { return std::filesystem::exists(dir.file(name)); }
};

TEST_F(CliRender, BadArgumentsExitWithTwoAndFailuresWithOneAndWriteNothing) {
    const std::string out = " -o " + dir.file("out.png");
    EXPECT_EQ(render("--size 0x10" + out), 2);
    EXPECT_EQ(render("--size 10" + out), 2);
    EXPECT_EQ(render("--size 100000x100000" + out), 2);
    EXPECT_EQ(render("--steps -5" + out), 2);
    EXPECT_EQ(render("--steps many" + out), 2);
    EXPECT_EQ(render("--progress --quiet" + out), 2);
    EXPECT_EQ(render("--frobnicate" + out), 2);
    EXPECT_NE(errors().find("'frobnicate'"), std::string::npos);
    EXPECT_EQ(render("--size 8x8"), 2);
    EXPECT_EQ(render("--size 8x8 -o " + dir.file("out.gif")), 2);
    EXPECT_NE(errors().find(".jpg"), std::string::npos);

    EXPECT_EQ(render(dir.file("missing.atr") + out), 1);
    EXPECT_NE(errors().find("File not found"), std::string::npos);
    EXPECT_EQ(render("--size 8x8 --steps 10 -o " + dir.file("no/dir/out.png")), 1);
    test::writeBytes(dir.file("negative.atr"), "x\ny\nz\n1\n0\n0\n0\n0\n0\n-1\n");
    EXPECT_EQ(render(dir.file("negative.atr") + out), 1);
    EXPECT_NE(errors().find("Range check error"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(CliRender, RunsAreRepeatableInEveryFormat) {
    for (const char* ending : {".png", ".bmp", ".jpg"}) {
        const std::string a = dir.file(std::string("a") + ending);
        const std::string b = dir.file(std::string("b") + ending);
        ASSERT_EQ(render("--size 64x48 --steps 30000 -o " + a), 0) << errors();
        ASSERT_EQ(render("--size 64x48 --steps 30000 -o " + b), 0) << errors();
        const std::string bytes = test::readBytes(a);
        EXPECT_GT(bytes.size(), 100u);
        EXPECT_EQ(bytes, test::readBytes(b)) << ending;
    }
    EXPECT_EQ(test::readBytes(dir.file("a.bmp")).substr(0, 2), "BM");
}

TEST_F(CliRender, ADocumentAndTheGainChangeThePicture) {
    test::writeBytes(dir.file("doc.atr"), defaultDocument);
    const std::string args = "--size 40x40 --steps 20000 -o ";
    ASSERT_EQ(render(args + dir.file("default.bmp")), 0);
    ASSERT_EQ(render(dir.file("doc.atr") + " " + args + dir.file("doc.bmp")), 0);
    ASSERT_EQ(render("--gain 300 " + args + dir.file("dim.bmp")), 0);
    // The document holds the default set-up; a lower gain darkens it.
    EXPECT_EQ(test::readBytes(dir.file("default.bmp")), test::readBytes(dir.file("doc.bmp")));
    EXPECT_NE(test::readBytes(dir.file("default.bmp")), test::readBytes(dir.file("dim.bmp")));
}

// A document's picture part (gain 300, 50 x 30) is drawn as saved unless the
// command line says otherwise.
TEST_F(CliRender, ADocumentsGainAndSizeHoldUnlessGiven) {
    test::writeBytes(dir.file("pic.atr"), defaultDocument + "300\r\n50\r\n30\r\n");
    const std::string doc = dir.file("pic.atr") + " --steps 1000 -o ";
    ASSERT_EQ(render(doc + dir.file("saved.bmp")), 0);
    ASSERT_EQ(render("--gain 300 --size 50x30 " + doc + dir.file("given.bmp")), 0);
    ASSERT_EQ(render("--gain 1500 " + doc + dir.file("bright.bmp")), 0);
    const std::string saved = test::readBytes(dir.file("saved.bmp"));
    EXPECT_TRUE(saved == test::readBytes(dir.file("given.bmp")));
    EXPECT_FALSE(saved == test::readBytes(dir.file("bright.bmp")));
    EXPECT_EQ(saved.size(), 54u + 152 * 30); // 50 x 30, rows of 150 bytes padded to 152
}

} // namespace
} // namespace gyrelune
