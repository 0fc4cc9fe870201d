#include "core/backgroundJob.h"
#include "core/posterSettings.h"

#include <gtest/gtest.h>

#include <chrono>

namespace gyrelune {
namespace {

TEST(PosterSettings, PresetsGiveTheirSizes) {
    const PosterSize window{576, 551, 0}, typed{1234, 567, 0};
    const std::pair<PosterPreset, PosterSize> table[] = {
        {PosterPreset::window, {576, 551, 0}},
        {PosterPreset::fullHd, {1920, 1080, 0}},
        {PosterPreset::ultraHd, {3840, 2160, 0}},
        {PosterPreset::a4Landscape, {3508, 2480, 300}},
        {PosterPreset::a4Portrait, {2480, 3508, 300}},
        {PosterPreset::a3Landscape, {4961, 3508, 300}},
        {PosterPreset::a3Portrait, {3508, 4961, 300}},
        {PosterPreset::free, {1234, 567, 0}}};
    for (const auto& [preset, size] : table)
        EXPECT_EQ(presetSize(preset, window, typed), size) << int(preset);
}

TEST(PosterSettings, RequestsAreCheckedBeforeTheRender) {
    const std::uint64_t memory = 8ULL << 30;
    PosterRequest request;
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::noFile);
    request.fileName = "poster.GIF";
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::unknownFormat);
    request.fileName = "poster.jpg";
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::none);
    request.size = {0, 10, 0};
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::badSize);
    request.size = {65535, 100, 0};
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::tooWideForJpeg);
    request.fileName = "poster.exr";
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::none);
    request.supersample = 7;
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::badSupersample);
    request.supersample = 6;
    request.quality = 0;
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::badQuality);
    // 16 000 x 16 000 with 2 x 2 samples: 16 GB of cells, too much for 8 GB, not for 24.
    request.quality = 100;
    request.size = {16000, 16000, 0};
    request.supersample = 2;
    EXPECT_EQ(posterMemory(request), 16384000000ULL);
    EXPECT_EQ(posterProblem(request, memory), PosterProblem::tooMuchMemory);
    EXPECT_EQ(posterProblem(request, 24ULL << 30), PosterProblem::none);
    EXPECT_EQ(request.points(), 25600000000ULL);
}

TEST(BackgroundJob, StopsOnRequestAndHandsOverItsResult) {
    BackgroundJob job;
    job.start([](JobControl& control) {
        control.fraction = 0.5;
        while (!control.stop)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return std::string("stopped");
    });
    while (job.fraction() < 0.5)
        std::this_thread::yield();
    EXPECT_TRUE(job.running());
    EXPECT_FALSE(job.takeResult());
    job.requestStop();
    std::optional<std::string> result;
    while (!(result = job.takeResult()))
        std::this_thread::yield();
    EXPECT_EQ(*result, "stopped");
    EXPECT_FALSE(job.running());

    job.start([](JobControl&) -> std::string { throw std::runtime_error("disk full"); });
    while (!(result = job.takeResult()))
        std::this_thread::yield();
    EXPECT_EQ(*result, "disk full");
}

} // namespace
} // namespace gyrelune
