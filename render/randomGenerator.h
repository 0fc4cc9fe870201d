#pragma once
// The process-wide 32-bit linear congruential generator; seeded with 0 at
// start and never from the clock, so restart points repeat from run to run.

#include <cstdint>

namespace gyrelune {

class RandomGenerator {
  public:
    // An integer in 0..n-1.
    std::uint32_t draw(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed_) * n) >> 32);
    }
    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

  private:
    std::uint32_t seed_ = 0;
};

// The generator of the process; only the render thread draws from it.
RandomGenerator& processRandom();

} // namespace gyrelune
