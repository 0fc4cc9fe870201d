#include "studio/cellBatch.h"

namespace gyrelune {

CellBatch::CellBatch(SharedGrid& grid)
    : grid_(grid), entries_(std::make_unique<std::uint64_t[]>(capacity)) {}

void CellBatch::flush() {
    if (size_ == 0) return;
    std::lock_guard hold(grid_.lock);
    addToGrid();
}

void CellBatch::addWhenFree() {
    if (size_ < capacity) {
        std::unique_lock hold(grid_.lock, std::try_to_lock);
        if (hold.owns_lock()) addToGrid();
        return;
    }
    flush();
}

// Sums that stop at the top, so the order of the additions does not matter.
void CellBatch::addToGrid() noexcept {
    constexpr std::size_t ahead = 16; // cells in flight while one is added to
    constexpr std::uint64_t colourMask = (std::uint64_t(1) << colourBits) - 1;
    const std::uint64_t* e = entries_.get();
    for (std::size_t i = 0; i < size_; ++i) {
        if (i + ahead < size_) __builtin_prefetch(grid_.cells + (e[i + ahead] >> colourBits), 1);
        DensityCell& cell = grid_.cells[e[i] >> colourBits];
        const CellColour& colour = grid_.colours[e[i] & colourMask];
        cell.count = saturatingSum(cell.count, 1);
        cell.red = saturatingSum(cell.red, colour[0]);
        cell.green = saturatingSum(cell.green, colour[1]);
        cell.blue = saturatingSum(cell.blue, colour[2]);
    }
    size_ = 0;
}

} // namespace gyrelune
