#pragma once
// Counter-based draws: candidate i's numbers depend on (seed, i) alone, so a
// search gives the same candidates whatever the number of threads.

#include <cstdint>

namespace gyrelune {

// The SplitMix64 finaliser.
constexpr std::uint64_t splitMix64(std::uint64_t z) {
    z += 0x9e3779b97f4a7c15u;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

class CandidateRandom {
  public:
    CandidateRandom(std::uint64_t seed, std::uint64_t index)
        : state_(splitMix64(splitMix64(seed) ^ index)) {}

    std::uint64_t next() {
        state_ += 0x9e3779b97f4a7c15u;
        return splitMix64(state_);
    }
    // Uniform in [0, 1), 53 bits.
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }

  private:
    std::uint64_t state_;
};

} // namespace gyrelune
