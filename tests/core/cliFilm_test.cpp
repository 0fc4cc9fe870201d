#include "coreTestSupport.h"

#include "core/atrDocument.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace gyrelune {
namespace {

class CliFilm : public ::testing::Test {
  protected:
    void SetUp() override {
        AtrDocument document;
        document.texts = {"sin(x*y*a)+y*0.45",
                          "1.8*cos(x)-1.5*sin(x*0.5)",
                          "1.9*cos(y*x)",
                          "90",
                          "0.3",
                          "-0.4",
                          "15",
                          "30",
                          "0"};
        document.colourStops = defaultColourStops();
        document.hasParameterPart = true;
        document.parameters = {{"a", "1", "2", "1.4"}};
        writeAtrDocument(key, document);
        document.texts[2] = "z";
        writeAtrDocument(other, document);
    }
    int run(const std::string& arguments) {
        const std::string command =
            std::string(GYRELUNE_CLI) + " " + arguments + " 2>" + dir.file("stderr.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() { return test::readBytes(dir.file("stderr.txt")); }

    test::ScratchDirectory dir;
    const std::string key = dir.file("key.atr"), other = dir.file("other.atr");
    const std::string small = " --seconds 1 --fps 4 --size 16x12 --points 3000 --quiet";
};

TEST_F(CliFilm, BadFilmsAreRefusedBeforeAnythingIsWritten) {
    EXPECT_EQ(run("film " + key + small + " --frames 2-4 -o " + dir.file("f")), 2);
    EXPECT_NE(errors().find("frames 2-4 are not within the film's frames 0-3"), std::string::npos);
    EXPECT_EQ(run("film " + key + small + " --frames 0-1 -o " + dir.file("f.mp4")), 2);
    EXPECT_EQ(run("film " + key + small + " --turn W:30 -o " + dir.file("f")), 2);
    EXPECT_EQ(run("film " + key + " --size 15x12 -o " + dir.file("f.mp4")), 2);
    EXPECT_EQ(run("film " + key + " " + other + small + " -o " + dir.file("f")), 1);
    EXPECT_NE(errors().find("has other formulas than"), std::string::npos);
    EXPECT_EQ(run("film " + key + small + " --sweep b=0:1 -o " + dir.file("f")), 1);
    EXPECT_EQ(run("encode " + dir.path().string() + " -o " + dir.file("f.mp4")), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST_F(CliFilm, FrameRangesGoOnWhereTheyStoppedAndAStillFilmRepeatsItsFrame) {
    const std::string frames = dir.file("frames");
    EXPECT_EQ(run("film " + key + " " + key + small + " --frames 1-2 -o " + frames), 0);
    EXPECT_FALSE(std::filesystem::exists(frames + "/frame-000000.png"));
    std::filesystem::remove(frames + "/frame-000002.png");
    EXPECT_EQ(run("film " + key + " " + key + small + " --part 1/2 -o " + frames), 0);
    EXPECT_EQ(run("film " + key + " " + key + small + " --frames 0-0 -o " + frames), 0);
    const std::string first = test::readBytes(frames + "/frame-000000.png");
    EXPECT_FALSE(first.empty());
    for (const char* name : {"/frame-000001.png", "/frame-000002.png", "/frame-000003.png"})
        EXPECT_EQ(test::readBytes(frames + name), first) << name;
    EXPECT_EQ(run("encode " + frames + " --fps 4 --quiet -o " + dir.file("still.webm")), 0);
    EXPECT_GT(std::filesystem::file_size(dir.file("still.webm")), 0u);
}

} // namespace
} // namespace gyrelune
