#include "studio/imageFile.h"

#include <gtest/gtest.h>

#include <ImfChannelList.h>
#include <ImfFrameBuffer.h>
#include <ImfHeader.h>
#include <ImfInputFile.h>
#include <png.h>
#include <tiffio.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace gyrelune {
namespace {

namespace fs = std::filesystem;

class ImageFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("gyrelune-images-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string path(const char* name) const { return (folder / name).string(); }
    // Only the named files: nothing left beside them.
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder;
};

Image16 levelsImage() {
    Image16 image(2, 1);
    image.samples = {0, 256, 257, 65535, 1000, 32768};
    return image;
}

std::vector<std::uint16_t> readPng(const std::string& path, int& depth) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    depth = (image.format & PNG_FORMAT_FLAG_LINEAR) ? 16 : 8;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr));
    return {bytes.begin(), bytes.end()};
}

TEST_F(ImageFileTest, PngKeepsSixteenBitLevelsAndRoundsToEight) {
    // The simplified reader gives 16-bit files linear, so read the raw samples instead.
    ASSERT_EQ(writeImageFile(path("deep.png"), levelsImage()), "");
    FILE* file = std::fopen(path("deep.png").c_str(), "rb");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_read_info(png, info);
    EXPECT_EQ(png_get_bit_depth(png, info), 16);
    png_byte raw[12];
    png_read_row(png, raw, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    std::vector<unsigned> read;
    for (int i = 0; i < 6; ++i)
        read.push_back(unsigned(raw[2 * i]) << 8 | raw[2 * i + 1]);
    EXPECT_EQ(read, (std::vector<unsigned>{0, 256, 257, 65535, 1000, 32768}));

    ImageFileOptions eight;
    eight.depth = 8;
    ASSERT_EQ(writeImageFile(path("flat.png"), levelsImage(), eight), "");
    int depth = 0;
    EXPECT_EQ(readPng(path("flat.png"), depth), (std::vector<std::uint16_t>{0, 1, 1, 255, 4, 128}));
    EXPECT_EQ(depth, 8);
    EXPECT_EQ(listing(), (std::vector<std::string>{"deep.png", "flat.png"}));
}

TEST_F(ImageFileTest, TiffKeepsSixteenBitLevels) {
    ASSERT_EQ(writeImageFile(path("deep.TIFF"), levelsImage()), "");
    TIFF* tiff = TIFFOpen(path("deep.TIFF").c_str(), "r");
    ASSERT_NE(tiff, nullptr);
    std::uint16_t bits = 0, row[6] = {};
    TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    EXPECT_EQ(TIFFReadScanline(tiff, row, 0, 0), 1);
    TIFFClose(tiff);
    EXPECT_EQ(bits, 16);
    EXPECT_EQ(std::vector<std::uint16_t>(row, row + 6),
              (std::vector<std::uint16_t>{0, 256, 257, 65535, 1000, 32768}));
}

std::vector<float> readExr(const std::string& path) {
    Imf::InputFile file(path.c_str());
    const auto window = file.header().dataWindow();
    const int width = window.max.x - window.min.x + 1;
    std::vector<float> values(std::size_t(width) * 3 * std::size_t(window.max.y + 1));
    Imf::FrameBuffer frame;
    const char* names[3] = {"R", "G", "B"};
    for (int c = 0; c < 3; ++c)
        frame.insert(names[c],
                     Imf::Slice(Imf::FLOAT, reinterpret_cast<char*>(values.data() + c),
                                3 * sizeof(float), std::size_t(width) * 3 * sizeof(float)));
    file.setFrameBuffer(frame);
    file.readPixels(window.min.y, window.max.y);
    return values;
}

TEST_F(ImageFileTest, ExrHoldsLinearLight) {
    ImageFloat light(1, 2);
    light.samples = {0.0f, 0.25f, 1.0f, 2.5f, 1e-4f, 100.0f};
    ASSERT_EQ(writeImageFile(path("light.exr"), light), "");
    EXPECT_EQ(readExr(path("light.exr")), light.samples);

    // Display levels are decoded from sRGB: the middle level is about a fifth of white.
    ASSERT_EQ(writeImageFile(path("levels.exr"), levelsImage()), "");
    const std::vector<float> decoded = readExr(path("levels.exr"));
    EXPECT_EQ(decoded[0], 0.0f);
    EXPECT_EQ(decoded[3], 1.0f);
    EXPECT_NEAR(decoded[5], 0.2140482, 1e-6);

    // Linear light to display levels: sRGB-encoded, clipped at white.
    ASSERT_EQ(writeImageFile(path("light.tif"), light), "");
    TIFF* tiff = TIFFOpen(path("light.tif").c_str(), "r");
    std::uint16_t row[3] = {};
    TIFFReadScanline(tiff, row, 0, 0);
    TIFFClose(tiff);
    EXPECT_EQ(std::vector<std::uint16_t>(row, row + 3),
              (std::vector<std::uint16_t>{0, 35199, 65535}));
}

TEST_F(ImageFileTest, RefusesWhatItCannotWriteAndLeavesNothing) {
    EXPECT_EQ(writeImageFile(path("poster.gif"), levelsImage()),
              "unknown picture format '" + path("poster.gif") +
                  "': the name must end in .png, .jpg, .tif or .exr");
    ImageFileOptions twelve;
    twelve.depth = 12;
    EXPECT_EQ(writeImageFile(path("poster.png"), levelsImage(), twelve),
              "a PNG holds 8 or 16 bits per channel, not 12");
    EXPECT_NE(imageFileProblem("wide.jpg", 70000, 10, {}).find("at most 65500"), std::string::npos);
    EXPECT_EQ(imageFileProblem("wide.exr", 70000, 10, {}), "");
    EXPECT_EQ(writeImageFile(path("missing/poster.jpg"), levelsImage()),
              "cannot write '" + path("missing/poster.jpg") + "': No such file or directory");
    EXPECT_TRUE(listing().empty());
}

} // namespace
} // namespace gyrelune
