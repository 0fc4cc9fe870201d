#pragma once
// One worker's points on their way into the grid: the cell each fell into and
// its colour step. Points land on random cells of a grid far larger than the
// caches, so they are added a batch at a time: the cells are fetched many at
// once, ahead of their use, and added to under one lock with plain additions
// instead of an atomic operation per field.

#include "studio/accumulation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

namespace gyrelune {

using CellColour = std::array<std::uint8_t, 3>;

// What the workers share: the grid, its lock and the colour of each step.
struct SharedGrid {
    DensityCell* cells = nullptr;
    const CellColour* colours = nullptr;
    std::mutex lock;
};

class CellBatch {
  public:
    static constexpr std::size_t capacity = 16384;
    static constexpr int colourBits = 12; // colour steps below 2^12

    explicit CellBatch(SharedGrid& grid);
    CellBatch(const CellBatch&) = delete;
    CellBatch& operator=(const CellBatch&) = delete;

    // Half full, it is added when the grid is free; full, it waits for it.
    void add(std::uint64_t cell, unsigned colourStep) {
        entries_[size_++] = cell << colourBits | colourStep;
        if (size_ >= capacity / 2) addWhenFree();
    }
    // Adds what is waiting, waiting for the grid if another worker has it;
    // call it before the batch goes.
    void flush();

  private:
    void addWhenFree();
    void addToGrid() noexcept;

    SharedGrid& grid_;
    std::unique_ptr<std::uint64_t[]> entries_;
    std::size_t size_ = 0;
};

} // namespace gyrelune
