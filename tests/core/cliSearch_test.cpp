#include "coreTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace gyrelune {
namespace {

// The default attractor with its constants 4.36, 0.453 and 0.45 made parameters.
const char* const parameterDocument =
    "sin(x*y*a/pi)+y*b+c\r\n1.795*cos(x)-1.5324*sin(x*1.65/pi)\r\n1.93*cos(y*x)+0.49*sin(x)\r\n"
    "111.78418\r\n0.290\r\n-0.362\r\n0\r\n0\r\n0\r\n"
    "2\r\n255\r\n255\r\n0\r\n0\r\n128\r\n255\r\n0\r\n0\r\n0\r\n0\r\n";

class CliSearch : public ::testing::Test {
  protected:
    void SetUp() override { test::writeBytes(dir.file("abc.atr"), parameterDocument); }

    int run(const std::string& command, const std::string& arguments) {
        const std::string line = std::string(GYRELUNE_CLI) + " " + command + " " + arguments +
                                 " >" + dir.file("stdout.txt") + " 2>" + dir.file("stderr.txt");
        const int status = std::system(line.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() { return test::readBytes(dir.file("stderr.txt")); }
    std::size_t entries() {
        return std::size_t(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }
    // Pixels inside the frame that differ from the background, over all pixels.
    static double litShare(const std::string& fileName) {
        const QImage picture(QString::fromStdString(fileName));
        const QRgb background = picture.pixel(1, 1);
        long lit = 0;
        for (int y = 1; y < picture.height() - 1; ++y)
            for (int x = 1; x < picture.width() - 1; ++x)
                lit += picture.pixel(x, y) != background;
        return double(lit) / double(picture.width() * picture.height());
    }

    test::ScratchDirectory dir;
    const std::string intervals = " --param a=3:6 --param b=0:1 --param c=0:1 ";
};

// 2 for a bad command line, 1 for what fails at run time.
TEST_F(CliSearch, BadInputExitsWithTwoOrOneAndWritesNothing) {
    const std::size_t before = entries();
    const std::string out = " -o " + dir.file("out");
    const std::string doc = dir.file("abc.atr");
    EXPECT_EQ(run("search", out), 1); // the default formulas have no parameters
    EXPECT_NE(errors().find("no parameters"), std::string::npos);
    EXPECT_EQ(run("search", doc + " --param q=0:1" + out), 2);
    EXPECT_NE(errors().find("unknown parameter 'q'"), std::string::npos);
    EXPECT_EQ(run("search", doc + " --param a=2:1" + out), 2);
    EXPECT_NE(errors().find("above its maximum"), std::string::npos);
    EXPECT_EQ(run("search", doc + " --param a=1+:2" + out), 2);
    EXPECT_EQ(run("search", doc + " --count 0" + out), 2);
    EXPECT_EQ(run("search", doc + " --frobnicate" + out), 2);
    EXPECT_EQ(run("search", doc), 2);
    EXPECT_EQ(run("search", doc + " --invent quartic" + out), 2);
    EXPECT_EQ(run("search", doc + " --dimensions 3" + out), 2);
    EXPECT_EQ(run("search", dir.file("missing.atr") + out), 1);
    EXPECT_EQ(run("search", doc + " -o " + dir.file("missing/out")), 1);
    EXPECT_NE(errors().find("cannot write into"), std::string::npos);
    EXPECT_EQ(run("search", doc + " -o " + dir.file("abc.atr")), 1);
    EXPECT_EQ(entries(), before + 2); // the captured stdout and stderr only
}

// The same seed gives the same documents whatever the number of threads, and
// each document, drawn as render draws it, lights at least 2 % of its pixels.
TEST_F(CliSearch, SameSeedSameDocumentsAndEveryDocumentIsVisible) {
    const std::string doc = dir.file("abc.atr");
    ASSERT_EQ(run("search", doc + intervals + "--count 2 --seed 5 --jobs 1 -o " + dir.file("one")),
              0)
        << errors();
    ASSERT_EQ(run("search", doc + intervals + "--count 2 --seed 5 --jobs 2 -o " + dir.file("two")),
              0)
        << errors();
    for (const char* name : {"attractor-001.atr", "attractor-002.atr", "summary.csv"})
        EXPECT_EQ(test::readBytes(dir.file(std::string("one/") + name)),
                  test::readBytes(dir.file(std::string("two/") + name)))
            << name;
    EXPECT_TRUE(std::filesystem::exists(dir.file("one/contact-sheet.png")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("one/attractor-002.png")));
    EXPECT_EQ(test::readBytes(dir.file("one/summary.csv"))
                  .find("file,exponent,exponent2,exponent3,kaplan_yorke,correlation_dimension,"
                        "fill,a,b,c,"),
              0u);

    for (const char* name : {"attractor-001", "attractor-002"}) {
        const std::string picture = dir.file(std::string(name) + ".bmp");
        ASSERT_EQ(run("render", dir.file(std::string("one/") + name + ".atr") + " -o " + picture),
                  0);
        EXPECT_GE(litShare(picture), 0.02) << name;
    }
}

// Hénon's map with the depth z' = x is found, whatever the picture size; with
// z' = 0 it is flat, and the refusal says why.
TEST_F(CliSearch, HenonFoundAtAnySizeAndAFlatOneRefusedWithTheHint) {
    const std::string henon = "1-a*sqr x+y\r\nb*x\r\nx\r\n100\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                              "1\r\n255\r\n255\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    test::writeBytes(dir.file("henon.atr"), henon);
    const std::string search = dir.file("henon.atr") + " --param a=1.39:1.41 --param b=0.29:0.31 " +
                               "--count 1 --jobs 1 -o ";
    ASSERT_EQ(run("search", search + dir.file("small")), 0) << errors();
    ASSERT_EQ(run("search", search + dir.file("large") + " --size 2100x2100"), 0) << errors();
    EXPECT_EQ(test::readBytes(dir.file("small/summary.csv")),
              test::readBytes(dir.file("large/summary.csv")));

    std::string flat = henon;
    flat.replace(flat.find("\r\nx\r\n"), 5, "\r\n0\r\n");
    test::writeBytes(dir.file("flat.atr"), flat);
    EXPECT_EQ(run("search", dir.file("flat.atr") + " --param a=1.39:1.41 --param b=0.29:0.31 " +
                                "--time 1 -o " + dir.file("none")),
              1);
    EXPECT_NE(errors().find("flat (a flat figure has no depth to colour: Z new needs a depth"),
              std::string::npos)
        << errors();
    EXPECT_FALSE(std::filesystem::exists(dir.file("none")));
}

// Invented plane maps get a depth, so every one written draws something to see.
TEST_F(CliSearch, InventedPlaneMapsRenderLit) {
    ASSERT_EQ(run("search",
                  "--invent quadratic --dimensions 2 --count 3 --seed 3 -o " + dir.file("plane")),
              0)
        << errors();
    for (const char* name : {"attractor-001", "attractor-002", "attractor-003"}) {
        const std::string picture = dir.file(std::string(name) + ".bmp");
        ASSERT_EQ(run("render", dir.file(std::string("plane/") + name + ".atr") + " -o " + picture),
                  0);
        EXPECT_GT(litShare(picture), 0.0002) << name; // 72 of 600 x 600 pixels
    }
}

// inspect prints one JSON object; a bad command line exits 2, an unreadable
// document 1, and neither prints a measurement.
TEST_F(CliSearch, InspectMeasuresAndRefusesBadInput) {
    const std::string doc = dir.file("abc.atr") + " --steps 20000";
    ASSERT_EQ(run("inspect", doc + " --json"), 0) << errors();
    const std::string json = test::readBytes(dir.file("stdout.txt"));
    EXPECT_EQ(json.find("{\"verdict\": \"fixed-point\", \"period\": 1, \"lyapunov\": ["), 0u)
        << json; // its parameters are 0 in this document
    for (const char* key : {"kaplan_yorke", "correlation_dimension", "ranges", "fill"})
        EXPECT_NE(json.find(std::string("\"") + key + "\": "), std::string::npos) << key;
    EXPECT_EQ(run("inspect", doc + " --steps 0"), 2);
    EXPECT_NE(errors().find("--steps needs"), std::string::npos);
    EXPECT_EQ(run("inspect", doc + " --start 1,2"), 2);
    EXPECT_EQ(run("inspect", doc + " --frobnicate"), 2);
    EXPECT_EQ(run("inspect", dir.file("missing.atr")), 1);
    EXPECT_NE(errors().find("cannot read"), std::string::npos);
    EXPECT_EQ(test::readBytes(dir.file("stdout.txt")), "");
}

} // namespace
} // namespace gyrelune
