#pragma once
// The plot step written out by hand for the default attractor at 600x600:
// the same rotation, projection, range, accumulation and shading arithmetic
// as RenderCore, with the map supplied by Map::step(x, y, z).

#include "formula/extendedMath.h"
#include "formula/real48.h"
#include "render/colourStops.h"
#include "render/randomGenerator.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace gyrelune::bench {

constexpr int side = 600;
constexpr long double zoomText = 111.78418L, centreXText = 0.290L, centreYText = -0.362L;
constexpr std::int32_t defaultGain = 1500;

inline double stored(long double v) {
    double out;
    if (!roundToReal48(v, out)) throw FloatingPointOverflow();
    return out;
}

template <typename Map> class HandLoop {
  public:
    HandLoop() {
        stride_ = ((3 * side + 3) / 4) * 4;
        picture_.assign(std::size_t(stride_) * side, 0); // black, and so is the frame
        grid_.assign(std::size_t(side + 1) * (side + 1), Cell{});
    }

    void step() {
        double x, y, z;
        if (!roundToReal48(orbit_[0], x) || !roundToReal48(orbit_[1], y) ||
            !roundToReal48(orbit_[2], z) || !rotate(x, y, z)) {
            restart();
            return;
        }
        long long px = 0, py = 0;
        const bool onPicture = project(x, y, px, py);
        trackRange(x, y, z);
        double in[3];
        if (roundToReal48(orbit_[0], in[0]) && roundToReal48(orbit_[1], in[1]) &&
            roundToReal48(orbit_[2], in[2]))
            map_.step(in, orbit_);
        else
            restart();
        if (onPicture && px >= 1 && px <= side - 1 && py >= 1 && py <= side - 1)
            accumulate(int(px), int(py), z);
        ++steps_;
    }

    const std::vector<std::uint8_t>& picture() const { return picture_; }
    std::int32_t pointCount() const { return pointCount_; }
    const long double* orbit() const { return orbit_; }
    int stride() const { return stride_; }

  private:
    struct Cell {
        double red = 0, green = 0, blue = 0;
    };

    bool rotate(double& x, double& y, double& z) const {
        double y1, z1, x2, z2, x3, y3;
        const long double x0 = x, y0 = y, z0 = z;
        if (!roundToReal48(y0 * cosA_ - z0 * sinA_, y1) ||
            !roundToReal48(y0 * sinA_ + z0 * cosA_, z1))
            return false;
        if (!roundToReal48(x0 * cosB_ + z1 * sinB_, x2) ||
            !roundToReal48(z1 * cosB_ - x0 * sinB_, z2))
            return false;
        if (!roundToReal48(x2 * cosC_ - y1 * sinC_, x3) ||
            !roundToReal48(x2 * sinC_ + y1 * cosC_, y3))
            return false;
        x = x3, y = y3, z = z2;
        return true;
    }

    bool project(double x, double y, long long& px, long long& py) const {
        const long double across = zoom_ * (x - centreX_), down = zoom_ * (y - centreY_);
        if (!(std::fabs(across) < 1e15L) || !(std::fabs(down) < 1e15L)) return false;
        px = side / 2 + std::llrintl(across);
        py = side / 2 - std::llrintl(down);
        return true;
    }

    void trackRange(double x, double y, double z) {
        if (x == 1 || y == 1 || z == 1) return;
        if (xMax_ == 0 && xMin_ == 0 && yMax_ == 0 && yMin_ == 0 && zMax_ == 0 && zMin_ == 0)
            xMax_ = xMin_ = x, yMax_ = yMin_ = y, zMax_ = zMin_ = z;
        if (x < xMin_) xMin_ = x;
        if (y < yMin_) yMin_ = y;
        if (x > xMax_) xMax_ = x;
        if (y > yMax_) yMax_ = y;
        if (z > zMax_) zMax_ = z;
        if (z < zMin_) zMin_ = z;
    }

    void accumulate(int px, int py, double z) {
        Cell& c = grid_[std::size_t(px) * (side + 1) + py];
        const long double span = (long double)zMax_ - zMin_;
        std::size_t i = 1;
        while (i < 3 && span * (long double)i / 3.0L + zMin_ < z)
            ++i;
        const double lo = stored(span * (long double)(i - 1) / 3.0L + zMin_);
        const double hi = stored(span * (long double)i / 3.0L + zMin_);
        if (hi == lo) {
            c = Cell{};
        } else {
            const ColourStop& a = stops_[i - 1];
            const ColourStop& b = stops_[i];
            const long double along = z - (long double)lo, width = (long double)hi - lo;
            c.red = stored(c.red + (along * (b.red - a.red) / width + a.red) / 255);
            c.green = stored(c.green + (along * (b.green - a.green) / width + a.green) / 255);
            c.blue = stored(c.blue + (along * (b.blue - a.blue) / width + a.blue) / 255);
        }
        const long double m = (long double)c.red * c.red + (long double)c.green * c.green +
                              (long double)c.blue * c.blue;
        if (m > peak_) {
            peak_ = stored(m);
            sqrtPeak_ = std::sqrt((long double)peak_);
        }
        if (peak_ != 0) shade(px, py);
        ++pointCount_;
        if ((pointCount_ + 1) % 10000 == 0) reshadeAll();
    }

    static long long channel(double a, long double sqrtPeak) {
        const long long d = std::llrintl(std::sqrt(std::fabs(a / sqrtPeak)) * defaultGain);
        return a > 0 ? d : a < 0 ? -d : 0; // black background
    }

    void shade(int px, int py) {
        const Cell& c = grid_[std::size_t(px) * (side + 1) + py];
        long long v[3] = {channel(c.red, sqrtPeak_), channel(c.green, sqrtPeak_),
                          channel(c.blue, sqrtPeak_)};
        long long excess = 0;
        for (long long k : v)
            excess += k > 255 ? k - 255 : k < 0 ? k : 0;
        const long long share = std::llrintl(excess / 3.0L);
        for (long long& k : v)
            k = std::min<long long>(255, std::max<long long>(0, k + share));
        if (v[0] == 0 && v[1] == 0 && v[2] == 0) return;
        std::uint8_t* p = picture_.data() + std::size_t(py) * stride_ + 3 * px;
        p[0] = std::uint8_t(v[2]), p[1] = std::uint8_t(v[1]), p[2] = std::uint8_t(v[0]);
    }

    void reshadeAll() {
        if (peak_ == 0) return;
        for (int px = 0; px < side; ++px)
            for (int py = 0; py < side; ++py) {
                const Cell& c = grid_[std::size_t(px) * (side + 1) + py];
                if (c.red != 0 || c.green != 0 || c.blue != 0) shade(px, py);
            }
    }

    void restart() {
        orbit_[0] = random_.draw(1000) / 100.0L;
        orbit_[1] = random_.draw(1000) / 100.0L;
        orbit_[2] = random_.draw(1000) / 100.0L;
    }

    Map map_;
    RandomGenerator random_;
    long double orbit_[3] = {1, 1, 1};
    std::vector<Cell> grid_;
    std::vector<std::uint8_t> picture_;
    int stride_ = 0;
    const ColourStops stops_ = defaultColourStops();
    const long double zoom_ = stored(zoomText), centreX_ = stored(centreXText),
                      centreY_ = stored(centreYText);
    const long double sinA_ = sinExtended(0), cosA_ = cosExtended(0), sinB_ = sinExtended(0),
                      cosB_ = cosExtended(0), sinC_ = sinExtended(0), cosC_ = cosExtended(0);
    double xMax_ = 0, xMin_ = 0, yMax_ = 0, yMin_ = 0, zMax_ = 0, zMin_ = 0;
    double peak_ = 0;
    long double sqrtPeak_ = 0;
    std::int32_t pointCount_ = 0, steps_ = 0;
};

} // namespace gyrelune::bench
