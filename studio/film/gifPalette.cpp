#include "studio/film/gifPalette.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace gyrelune {
namespace {

constexpr int cells = 32 * 32 * 32;

int cellOf(const std::uint8_t* rgb) {
    return (rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | rgb[2] >> 3;
}

struct Cell {
    std::uint64_t count = 0, red = 0, green = 0, blue = 0;
};

int nearest(const std::vector<std::array<int, 3>>& colours, int red, int green, int blue) {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < int(colours.size()); ++i) {
        const int dr = colours[i][0] - red, dg = colours[i][1] - green, db = colours[i][2] - blue;
        const int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (distance < bestDistance) bestDistance = distance, best = i;
    }
    return best;
}

} // namespace

void toPaletteFrame(const RgbFrame& frame, std::uint8_t* indices, int stride,
                    std::uint32_t* palette) {
    std::vector<Cell> histogram(cells);
    const std::size_t pixels = std::size_t(frame.width) * frame.height;
    for (std::size_t i = 0; i < pixels; ++i) {
        const std::uint8_t* rgb = &frame.pixels[3 * i];
        Cell& cell = histogram[std::size_t(cellOf(rgb))];
        ++cell.count, cell.red += rgb[0], cell.green += rgb[1], cell.blue += rgb[2];
    }
    std::vector<int> order(cells);
    std::iota(order.begin(), order.end(), 0);
    const int used = int(std::count_if(histogram.begin(), histogram.end(),
                                       [](const Cell& c) { return c.count > 0; }));
    const int kept = std::min(used, 256);
    std::partial_sort(order.begin(), order.begin() + kept, order.end(), [&](int a, int b) {
        return histogram[std::size_t(a)].count > histogram[std::size_t(b)].count;
    });
    std::vector<std::array<int, 3>> colours;
    for (int i = 0; i < kept; ++i) {
        const Cell& c = histogram[std::size_t(order[std::size_t(i)])];
        colours.push_back({int(c.red / c.count), int(c.green / c.count), int(c.blue / c.count)});
    }
    for (int i = 0; i < 256; ++i) {
        const auto& c = colours[std::size_t(std::min(i, kept - 1))];
        palette[i] = 0xFF000000u | std::uint32_t(c[0]) << 16 | std::uint32_t(c[1]) << 8 |
                     std::uint32_t(c[2]);
    }
    std::vector<std::int16_t> mapped(cells, -1);
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const std::uint8_t* rgb = &frame.pixels[3 * (std::size_t(y) * frame.width + x)];
            std::int16_t& index = mapped[std::size_t(cellOf(rgb))];
            if (index < 0) index = std::int16_t(nearest(colours, rgb[0], rgb[1], rgb[2]));
            indices[std::size_t(y) * std::size_t(stride) + std::size_t(x)] = std::uint8_t(index);
        }
}

} // namespace gyrelune
