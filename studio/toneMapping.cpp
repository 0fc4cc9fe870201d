#include "studio/toneMapping.h"

#include "render/colourStops.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace gyrelune {
namespace {

struct Background {
    double channel[3] = {0, 0, 0}; // in levels, 0..255
};

Background backgroundOf(const AccumulationHeader& header) {
    std::uint8_t r = 0, g = 0, b = 0;
    splitColour(header.background, r, g, b);
    return {{double(r), double(g), double(b)}};
}

double accumulator(std::uint32_t sum, std::uint32_t count, double background) {
    return (double(sum) - double(count) * background) / 255.0;
}

void windowLook(const DensityCell& cell, const AccumulationHeader& header, double reference,
                float rgb[3]) {
    const Background back = backgroundOf(header);
    const std::uint32_t sums[3] = {cell.red, cell.green, cell.blue};
    double v[3];
    for (int k = 0; k < 3; ++k) {
        const double a = accumulator(sums[k], cell.count, back.channel[k]);
        const double distance =
            reference > 0 ? std::sqrt(std::fabs(a) / reference) * header.gain : 0;
        v[k] = (a > 0 ? distance : a < 0 ? -distance : 0) + back.channel[k];
    }
    // What a channel cannot show beyond 0 or 255 is shared out over all three.
    double excess = 0;
    for (double x : v)
        excess += x > 255 ? x - 255 : x < 0 ? x : 0;
    for (int k = 0; k < 3; ++k)
        rgb[k] = float(std::clamp(v[k] + excess / 3, 0.0, 255.0) / 255.0);
}

double withGamma(double intensity, const ToneSettings& tone) {
    const double inverse = 1 / tone.gamma;
    if (intensity >= tone.linearRamp) return std::pow(intensity, inverse);
    return intensity * std::pow(tone.linearRamp, inverse) / tone.linearRamp;
}

void logLook(const DensityCell& cell, const AccumulationHeader& header, const ToneSettings& tone,
             double reference, float rgb[3]) {
    const Background back = backgroundOf(header);
    if (cell.count == 0 || reference <= 0) {
        for (int k = 0; k < 3; ++k)
            rgb[k] = float(back.channel[k] / 255);
        return;
    }
    const double n = cell.count;
    const double intensity = tone.brightness * std::log1p(n / reference) / std::log(101.0);
    const double shown = withGamma(intensity, tone);
    const std::uint32_t sums[3] = {cell.red, cell.green, cell.blue};
    double out[3];
    for (int k = 0; k < 3; ++k) {
        const double colour = double(sums[k]) / (255.0 * n);
        const double vibrant = colour * shown, perChannel = withGamma(colour * intensity, tone);
        out[k] = tone.vibrancy * vibrant + (1 - tone.vibrancy) * perChannel;
    }
    const double alpha = std::min(1.0, shown);
    double brightest = 0;
    for (int k = 0; k < 3; ++k) {
        out[k] += (1 - alpha) * back.channel[k] / 255;
        brightest = std::max(brightest, out[k]);
    }
    for (int k = 0; k < 3; ++k) {
        const double clipped = std::min(out[k], 1.0);
        const double kept = brightest > 1 ? out[k] / brightest : clipped;
        rgb[k] = float(tone.highlightProtection * kept + (1 - tone.highlightProtection) * clipped);
    }
}

// Mitchell-Netravali, B = C = 1/3, over |x| < 2.
double mitchell(double x) {
    constexpr double b = 1.0 / 3, c = 1.0 / 3;
    x = std::fabs(x);
    if (x < 1)
        return ((12 - 9 * b - 6 * c) * x * x * x + (-18 + 12 * b + 6 * c) * x * x + (6 - 2 * b)) /
               6;
    if (x < 2)
        return ((-b - 6 * c) * x * x * x + (6 * b + 30 * c) * x * x + (-12 * b - 48 * c) * x +
                (8 * b + 24 * c)) /
               6;
    return 0;
}

double decodeSrgb(double v) {
    v = std::max(v, 0.0);
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

} // namespace

double automaticReference(const Accumulation& grid, Look look) {
    if (look == Look::log) {
        if (grid.cells.empty()) return 0;
        double total = 0;
        for (const DensityCell& c : grid.cells)
            total += c.count;
        return total / double(grid.cells.size());
    }
    // The peak over blocks of one window pixel, per cell.
    const AccumulationHeader& h = grid.header;
    const int block = std::max(1, int(std::lround(h.cellsPerWindowPixel)));
    const int columns = h.gridWidth(), blocks = (columns + block - 1) / block;
    const Background back = backgroundOf(h);
    std::vector<double> sums(std::size_t(blocks) * 4);
    double peak = 0;
    for (int row = 0; row < h.gridHeight(); ++row) {
        for (int x = 0; x < columns; ++x) {
            const DensityCell& c = grid.cell(x, row);
            double* s = &sums[std::size_t(x / block) * 4];
            s[0] += c.count;
            s[1] += c.red;
            s[2] += c.green;
            s[3] += c.blue;
        }
        if ((row + 1) % block != 0 && row + 1 != h.gridHeight()) continue;
        for (int b = 0; b < blocks; ++b) {
            double* s = &sums[std::size_t(b) * 4];
            double m = 0;
            for (int k = 0; k < 3; ++k) {
                const double a = (s[k + 1] - s[0] * back.channel[k]) / 255.0;
                m += a * a;
            }
            peak = std::max(peak, m);
            std::fill(s, s + 4, 0.0);
        }
    }
    return std::sqrt(peak) / (double(block) * block);
}

void toneMapCell(const DensityCell& cell, const AccumulationHeader& header,
                 const ToneSettings& tone, double reference, float rgb[3]) {
    if (tone.look == Look::window)
        windowLook(cell, header, reference, rgb);
    else
        logLook(cell, header, tone, reference, rgb);
}

ToneMapper::ToneMapper(const Accumulation& grid, const ToneSettings& tone)
    : grid_(grid), tone_(tone),
      reference_(tone.reference > 0 ? tone.reference : automaticReference(grid, tone.look)) {
    const int s = grid.header.supersample;
    if (s == 1) {
        weights_ = {1.0f};
    } else {
        firstTap_ = -2 * s;
        double total = 0;
        std::vector<double> w;
        for (int t = -2 * s; t < 3 * s; ++t)
            total += w.emplace_back(mitchell((t + 0.5 - 0.5 * s) / s));
        for (double x : w)
            weights_.push_back(float(x / total));
    }
    cache_.assign(weights_.size(), std::vector<float>(std::size_t(grid.header.gridWidth()) * 3));
    cachedRow_.assign(weights_.size(), -1);
    scratch_.resize(std::size_t(grid.header.gridWidth()) * 3);
}

int ToneMapper::width() const {
    return grid_.header.width;
}

int ToneMapper::height() const {
    return grid_.header.height;
}

const float* ToneMapper::cellRow(int row) {
    row = std::clamp(row, 0, grid_.header.gridHeight() - 1);
    const std::size_t slot = std::size_t(row) % cache_.size();
    std::vector<float>& line = cache_[slot];
    if (cachedRow_[slot] != row) {
        const int columns = grid_.header.gridWidth();
        for (int x = 0; x < columns; ++x)
            toneMapCell(grid_.cell(x, row), grid_.header, tone_, reference_, &line[3 * x]);
        cachedRow_[slot] = row;
    }
    return line.data();
}

void ToneMapper::filterRow(int y, float* rgb) {
    const int s = grid_.header.supersample, columns = grid_.header.gridWidth();
    const int taps = int(weights_.size());
    std::fill(scratch_.begin(), scratch_.end(), 0.0f);
    for (int t = 0; t < taps; ++t) {
        const float* line = cellRow(y * s + firstTap_ + t);
        const float w = weights_[std::size_t(t)];
        for (int i = 0; i < 3 * columns; ++i)
            scratch_[std::size_t(i)] += w * line[i];
    }
    for (int x = 0; x < grid_.header.width; ++x) {
        float sum[3] = {0, 0, 0};
        for (int t = 0; t < taps; ++t) {
            const int column = std::clamp(x * s + firstTap_ + t, 0, columns - 1);
            const float w = weights_[std::size_t(t)];
            for (int k = 0; k < 3; ++k)
                sum[k] += w * scratch_[std::size_t(3 * column + k)];
        }
        for (int k = 0; k < 3; ++k)
            rgb[3 * x + k] = std::clamp(sum[k], 0.0f, 1.0f);
    }
}

void ToneMapper::levelsRow(int y, std::uint16_t* rgb) {
    std::vector<float>& values = scratchOut_;
    values.resize(std::size_t(width()) * 3);
    filterRow(y, values.data());
    for (std::size_t i = 0; i < values.size(); ++i)
        rgb[i] = std::uint16_t(std::lround(values[i] * 65535.0f));
}

void ToneMapper::linearRow(int y, float* rgb) {
    filterRow(y, rgb);
    for (int i = 0; i < 3 * width(); ++i)
        rgb[i] = float(decodeSrgb(rgb[i]));
}

namespace {

// Each band has a mapper of its own (its own cache of mapped cell rows); the
// reference is worked out once, so every band shows the grid alike.
template <class Image, class RowOf>
Image toneMapInBands(const Accumulation& grid, ToneSettings tone, int threads, RowOf rowOf) {
    if (!(tone.reference > 0)) tone.reference = automaticReference(grid, tone.look);
    Image image(grid.header.width, grid.header.height);
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int bands = std::clamp(threads > 0 ? threads : cores, 1, std::max(1, image.height));
    auto band = [&](int b) {
        ToneMapper mapper(grid, tone);
        for (int y = image.height * b / bands; y < image.height * (b + 1) / bands; ++y)
            rowOf(mapper, y, image.row(y));
    };
    std::vector<std::jthread> workers;
    for (int b = 1; b < bands; ++b)
        workers.emplace_back(band, b);
    band(0);
    workers.clear(); // joined before the picture leaves
    return image;
}

} // namespace

Image16 toneMapToLevels(const Accumulation& grid, const ToneSettings& tone, int threads) {
    return toneMapInBands<Image16>(
        grid, tone, threads, [](ToneMapper& m, int y, std::uint16_t* row) { m.levelsRow(y, row); });
}

ImageFloat toneMapToLinear(const Accumulation& grid, const ToneSettings& tone, int threads) {
    return toneMapInBands<ImageFloat>(
        grid, tone, threads, [](ToneMapper& m, int y, float* row) { m.linearRow(y, row); });
}

} // namespace gyrelune
