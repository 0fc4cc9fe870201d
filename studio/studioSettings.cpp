#include "studio/studioSettings.h"

namespace gyrelune {

std::uint64_t orbitCountFor(std::uint64_t points, std::uint32_t orbitLength) {
    if (orbitLength == 0) return 0;
    return points / orbitLength + (points % orbitLength != 0);
}

OrbitPiece shardPiece(const StudioSettings& settings, std::uint64_t begin, std::uint64_t end) {
    return {begin, end, settings.shardIndex, settings.shardCount};
}

} // namespace gyrelune
