#include "studio/film/filmOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace gyrelune {
namespace {

// A folder of its own, so that test runs side by side do not meet.
std::filesystem::path uniqueFolder(const char* name) {
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    return ::mkdtemp(pattern.data());
}

RgbFrame gradient(int width, int height, int shift) {
    RgbFrame frame{width, height, std::vector<std::uint8_t>(3 * std::size_t(width) * height)};
    for (std::size_t i = 0; i < frame.pixels.size(); ++i)
        frame.pixels[i] = std::uint8_t(i * 7 + shift);
    return frame;
}

TEST(FilmFiles, PngFramesRoundTripAndVideosLeaveOnlyTheTarget) {
    const auto folder = uniqueFolder("gyrelune-film-files-test");
    const RgbFrame frame = gradient(34, 20, 3);
    writeFramePng((folder / "f.png").string(), frame);
    const RgbFrame back = readFramePng((folder / "f.png").string());
    EXPECT_EQ(back.width, 34);
    EXPECT_EQ(back.pixels, frame.pixels);

    for (const char* name : {"f.mp4", "f.webm", "f.gif"}) {
        const std::string target = (folder / name).string();
        VideoWriter writer(target, filmFormatOf(target), {34, 20, 10, 80});
        for (int i = 0; i < 3; ++i)
            writer.addFrame(gradient(34, 20, i));
        writer.finish();
        EXPECT_GT(std::filesystem::file_size(target), 100u) << name;
    }
    {
        const std::string target = (folder / "abandoned.mp4").string();
        VideoWriter writer(target, FilmFormat::mp4, {34, 20, 10, 80});
        writer.addFrame(gradient(34, 20, 0));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 4);
    EXPECT_THROW(VideoWriter((folder / "odd.mp4").string(), FilmFormat::mp4, {33, 20, 10, 80}),
                 FilmError);

    // A link to a FIFO is refused and the FIFO stays; a link to a film has the film replaced.
    namespace fs = std::filesystem;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    fs::create_symlink(folder / "fifo", folder / "fifo.gif");
    EXPECT_THROW(VideoWriter((folder / "fifo.gif").string(), FilmFormat::gif, {34, 20, 10, 80}),
                 FilmError);
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    fs::create_symlink(folder / "f.gif", folder / "link.gif");
    VideoWriter writer((folder / "link.gif").string(), FilmFormat::gif, {34, 20, 10, 80});
    writer.addFrame(gradient(34, 20, 0));
    writer.finish();
    EXPECT_TRUE(fs::is_symlink(folder / "link.gif"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 7);
    fs::remove_all(folder);
}

} // namespace
} // namespace gyrelune
