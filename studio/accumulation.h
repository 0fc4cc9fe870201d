#pragma once
// The density of a studio render before tone mapping: a grid of
// (width * s) x (height * s) cells, rows from the top, and the header that
// says what was rendered into it.
//
// A cell holds the number of orbit points that fell into it and, for each of
// red, green and blue, the sum over those points of the depth colour's channel
// as a whole number 0..255 (the colour stops' gradient at the point's depth,
// rounded). Every field is a sum of non-negative whole numbers that stops at
// 2^32 - 1 (a channel reaches it only after 16.8 million points in one cell),
// so a cell's content is the same whatever the order its points came in, and
// adding two grids cell by cell gives the grid of the two sets of orbits.

#include "studio/studioSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gyrelune {

struct DensityCell {
    std::uint32_t count = 0, red = 0, green = 0, blue = 0;
    friend bool operator==(const DensityCell&, const DensityCell&) = default;
};

inline std::uint32_t saturatingSum(std::uint32_t a, std::uint32_t b) noexcept {
    const std::uint32_t sum = a + b;
    return sum < a ? 0xffffffffu : sum;
}

struct AccumulationHeader {
    // Everything of the document that shapes the grid (formulas, parameter
    // values, angles, colours), hashed; the view and depth range beside it.
    std::uint64_t documentHash = 0;
    int width = 0, height = 0, supersample = 1;
    std::uint64_t seed = 0;
    std::uint32_t orbitLength = 0, transient = 0;
    PosterView view;
    DepthRange depth;
    // Cells across one pixel of the image window the view was framed in: the
    // window's look takes its peak over blocks of that size, so that the
    // poster is as bright as the window.
    double cellsPerWindowPixel = 1;
    // For the tone mapping: the document's gain and background (0x00BBGGRR).
    std::int32_t gain = 0, background = 0;
    OrbitSet orbits; // sorted, disjoint, shards that complete each other joined
    int gridWidth() const { return width * supersample; }
    int gridHeight() const { return height * supersample; }
    // Points walked (counted ones, in or out of the picture).
    std::uint64_t points() const;
    friend bool operator==(const AccumulationHeader&, const AccumulationHeader&) = default;
};

// Large grids in huge pages where the system offers them: the points land
// all over the grid, and with small pages most of them would miss the TLB.
template <typename T> struct GridAllocator {
    using value_type = T;
    GridAllocator() = default;
    template <typename U> GridAllocator(const GridAllocator<U>&) {}
    T* allocate(std::size_t n);
    void deallocate(T* p, std::size_t) noexcept;
    friend bool operator==(const GridAllocator&, const GridAllocator&) = default;
};

struct Accumulation {
    AccumulationHeader header;
    std::vector<DensityCell, GridAllocator<DensityCell>>
        cells; // gridWidth() x gridHeight(), by rows

    // Sized to the header's grid, all cells empty; throws std::bad_alloc.
    void allocate();
    DensityCell& cell(int column, int row) {
        return cells[std::size_t(row) * std::size_t(header.gridWidth()) + std::size_t(column)];
    }
    const DensityCell& cell(int column, int row) const {
        return cells[std::size_t(row) * std::size_t(header.gridWidth()) + std::size_t(column)];
    }
};

// Why `other` cannot be added to `into` (another document, size, seed, view,
// depth range, or orbits rendered twice); empty if it can.
std::string mergeProblem(const AccumulationHeader& into, const AccumulationHeader& other);
// Adds other's cells and orbits to into; call only when mergeProblem is empty.
void mergeInto(Accumulation& into, const Accumulation& other);

// The orbit set in its one written form: sorted, shards of one range that
// complete each other joined, adjacent whole ranges joined.
OrbitSet canonicalOrbits(OrbitSet orbits);
bool orbitsOverlap(const OrbitSet& a, const OrbitSet& b);
std::uint64_t orbitCount(const OrbitSet& orbits);

} // namespace gyrelune
