#pragma once
// What a Draw handed to the previous core, the range of the rotated
// coordinates, the restart generator, and the map the core iterates.

#include "colourStops.h"
#include "real48.h"

#include <cstdint>

namespace gyrelune::previous {

// One step of the map: the next point from a point whose coordinates are
// 6-byte values. Written by the benchmark over whatever evaluates the formulas.
class OrbitMap {
  public:
    virtual ~OrbitMap() = default;
    virtual void step(const double point[3], long double next[3]) noexcept = 0;
};

struct Settings {
    OrbitMap* map = nullptr; // null keeps the map in use
    ColourStops colours;
    std::int32_t background = 0; // 0x00BBGGRR, or a negative system-colour code
    Real48 zoom;
    Real48 centreX, centreY;
    std::int32_t gain = 0;
    Real48 angleX, angleY, angleZ;
};

// All six 0: no point has been taken into the range yet.
struct Ranges {
    Real48 xMax, xMin, yMax, yMin, zMax, zMin;

    bool empty() const { return *this == Ranges{}; }
    friend bool operator==(const Ranges&, const Ranges&) = default;
};

// A 32-bit linear congruential generator, seeded with 0.
class RandomGenerator {
  public:
    std::uint32_t draw(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed_) * n) >> 32);
    }
    std::uint32_t seed() const { return seed_; }

  private:
    std::uint32_t seed_ = 0;
};

} // namespace gyrelune::previous
