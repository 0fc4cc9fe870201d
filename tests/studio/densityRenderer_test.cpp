#include "studio/densityRenderer.h"
#include "studio/stateFile.h"
#include "studioTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace gyrelune {
namespace {

Accumulation rendered(StudioSettings s, std::uint64_t begin = 0, std::uint64_t end = 8) {
    DensityRenderer renderer(s);
    Accumulation grid;
    grid.header = renderer.header();
    grid.allocate();
    EXPECT_TRUE(renderer.render(grid, begin, end));
    return grid;
}

std::string stateBytes(const Accumulation& grid) {
    const std::string name = ::testing::TempDir() + "render" + std::to_string(::getpid());
    EXPECT_EQ(writeStateFile(grid, name), "");
    std::ifstream in(name, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::remove(name.c_str());
    return bytes;
}

TEST(DensityRenderer, SameGridWhateverTheThreadsShardsAndResumes) {
    StudioSettings s = smallStudioSettings();
    s.threads = 1;
    const Accumulation one = rendered(s);
    std::uint64_t hits = 0, fingerprint = 0xcbf29ce484222325ull;
    for (const DensityCell& c : one.cells) {
        hits += c.count;
        for (const std::uint32_t field : {c.count, c.red, c.green, c.blue})
            fingerprint = (fingerprint ^ field) * 0x100000001b3ull;
    }
    EXPECT_GT(hits, 8000u); // most of the figure lies on the poster
    // Pinned: a state saved by an earlier build must resume into the same cells.
    EXPECT_EQ(fingerprint, 5965672300712017288u);
    EXPECT_EQ(one.header.orbits, (OrbitSet{{0, 8, 0, 1}}));
    const std::string single = stateBytes(one);

    s.threads = 2;
    EXPECT_EQ(stateBytes(rendered(s)), single);

    s.shardCount = 3;
    Accumulation merged = rendered(s);
    for (s.shardIndex = 1; s.shardIndex < 3; ++s.shardIndex) {
        const Accumulation shard = rendered(s);
        ASSERT_EQ(mergeProblem(merged.header, shard.header), "");
        mergeInto(merged, shard);
    }
    EXPECT_EQ(stateBytes(merged), single);

    s.shardIndex = 0;
    s.shardCount = 1;
    DensityRenderer renderer(s);
    Accumulation resumed;
    resumed.header = renderer.header();
    resumed.allocate();
    ASSERT_TRUE(renderer.render(resumed, 0, 4));
    ASSERT_TRUE(renderer.render(resumed, 4, 8));
    EXPECT_EQ(stateBytes(resumed), single);

    // Another seed walks other orbits; another angle is another document.
    s.seed = 1;
    EXPECT_NE(rendered(s).cells, one.cells);
    s.seed = 0;
    s.document.angleY = Real48::fromExtended(0.1L);
    EXPECT_NE(mergeProblem(one.header, DensityRenderer(s).header()), "");
}

TEST(DensityRenderer, AStopKeepsWholeOrbitsOnly) {
    StudioSettings s = smallStudioSettings();
    DensityRenderer renderer(s);
    Accumulation grid;
    grid.header = renderer.header();
    grid.allocate();
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(renderer.render(grid, 0, 8, {}, &stop));
    EXPECT_EQ(grid.header.orbits, OrbitSet{});
    EXPECT_EQ(grid.cells, rendered(s, 0, 0).cells);
}

} // namespace
} // namespace gyrelune
