#include "studio/stateFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace gyrelune {
namespace {

Accumulation sampleGrid() {
    Accumulation grid;
    AccumulationHeader& h = grid.header;
    h.documentHash = 0x0123456789abcdefull;
    h.width = 5;
    h.height = 3;
    h.supersample = 2;
    h.seed = 7;
    h.orbitLength = 100;
    h.transient = 10;
    h.view = {123.25, 0.1, -0.3};
    h.depth = {-1.5, 2.0 / 3};
    h.gain = 1500;
    h.background = 0x102030;
    h.orbits = {{0, 8, 1, 2}};
    grid.allocate();
    for (std::size_t i = 0; i < grid.cells.size(); ++i)
        grid.cells[i] = {std::uint32_t(i), std::uint32_t(i * 255), 3, 0xffffffffu};
    return grid;
}

std::string scratchName(const char* stem) {
    return ::testing::TempDir() + stem + std::to_string(::getpid());
}

std::string bytesOf(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(StateFile, RoundTripsExactlyAndRefusesDamage) {
    const Accumulation grid = sampleGrid();
    const std::string name = scratchName("state");
    ASSERT_EQ(writeStateFile(grid, name), "");
    Accumulation back;
    ASSERT_EQ(readStateFile(name, back), "");
    EXPECT_EQ(back.header, grid.header);
    EXPECT_EQ(back.cells, grid.cells);
    const std::string bytes = bytesOf(name);
    EXPECT_EQ(bytes.rfind("Gyrelune density state 1\ndocument: 0123456789abcdef\nsize: 5x3\n", 0),
              0u);
    EXPECT_NE(bytes.find("\norbits: 0-8/1:2\npoints: 400\n\n"), std::string::npos);

    auto refusal = [&](std::string changed) {
        std::ofstream(name, std::ios::binary) << changed;
        Accumulation damaged;
        return readStateFile(name, damaged);
    };
    std::string flipped = bytes;
    flipped[bytes.size() - 20] ^= 1; // inside the grid
    EXPECT_NE(refusal(flipped), "");
    EXPECT_NE(refusal(bytes.substr(0, bytes.size() / 2)), "");
    EXPECT_NE(refusal(bytes + "x"), "");
    std::string seed = bytes;
    seed[seed.find("seed: 7")] = 'S';
    EXPECT_EQ(refusal(seed), "its header is damaged");
    std::string later = bytes;
    later[bytes.find('1')] = '2';
    EXPECT_NE(refusal(later).find("another version"), std::string::npos);
    EXPECT_EQ(refusal("P6\n"), "it is not a Gyrelune state file");
    std::remove(name.c_str());
}

TEST(StateMerge, RefusesWhatDoesNotMatchAndJoinsShards) {
    Accumulation a = sampleGrid(), b = sampleGrid();
    b.header.orbits = {{0, 8, 0, 2}};
    EXPECT_EQ(mergeProblem(a.header, b.header), "");
    mergeInto(a, b);
    EXPECT_EQ(a.header.orbits, (OrbitSet{{0, 8, 0, 1}}));
    EXPECT_EQ(a.cells[2].count, 4u);
    EXPECT_EQ(a.cells[2].blue, 0xffffffffu); // stays at the top
    EXPECT_EQ(a.header.points(), 800u);

    AccumulationHeader other = b.header;
    EXPECT_EQ(mergeProblem(a.header, other), "some of its orbits are already in");
    other.orbits = {{8, 12, 0, 1}};
    EXPECT_EQ(mergeProblem(a.header, other), "");
    other.documentHash ^= 1;
    EXPECT_EQ(mergeProblem(a.header, other), "it was rendered from another document");
    other = b.header;
    other.orbits = {{8, 12, 0, 1}};
    other.supersample = 3;
    EXPECT_EQ(mergeProblem(a.header, other), "its size or supersampling differs");
    other.supersample = 2;
    other.depth.high = 1;
    EXPECT_EQ(mergeProblem(a.header, other), "its depth range differs");
}

TEST(OrbitSets, WrittenOneWay) {
    EXPECT_EQ(canonicalOrbits({{4, 8, 0, 1}, {0, 4, 0, 1}, {9, 10, 0, 3}}),
              (OrbitSet{{0, 8, 0, 1}, {9, 10, 0, 3}}));
    EXPECT_EQ(canonicalOrbits({{0, 6, 2, 3}, {0, 6, 0, 3}, {0, 6, 1, 3}, {6, 6, 0, 1}}),
              (OrbitSet{{0, 6, 0, 1}}));
    EXPECT_TRUE(orbitsOverlap({{0, 8, 0, 2}}, {{4, 5, 0, 1}}));
    EXPECT_FALSE(orbitsOverlap({{0, 8, 0, 2}}, {{5, 6, 0, 1}}));
    EXPECT_FALSE(orbitsOverlap({{0, 100, 1, 4}}, {{0, 100, 0, 2}}));
    EXPECT_TRUE(orbitsOverlap({{0, 100, 1, 4}}, {{0, 100, 2, 3}}));
    EXPECT_EQ(orbitCount({{0, 10, 1, 4}, {10, 12, 0, 1}}), 5u);
}

} // namespace
} // namespace gyrelune
