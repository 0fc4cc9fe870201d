#include "studio/accumulation.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <new>
#include <set>
#include <sys/mman.h>
#include <tuple>

namespace gyrelune {
namespace {

// Orbits of one piece: those k in [begin, end) with k % count == index.
std::uint64_t pieceSize(const OrbitPiece& p) {
    if (p.end <= p.begin || p.shardCount == 0) return 0;
    auto upTo = [&](std::uint64_t n) { // k < n with k % count == index
        return n / p.shardCount + (n % p.shardCount > p.shardIndex ? 1 : 0);
    };
    return upTo(p.end) - upTo(p.begin);
}

bool piecesOverlap(const OrbitPiece& a, const OrbitPiece& b) {
    const std::uint64_t begin = std::max(a.begin, b.begin), end = std::min(a.end, b.end);
    if (begin >= end || pieceSize(a) == 0 || pieceSize(b) == 0) return false;
    // Walk a's orbits in the common range; shard counts are small and the
    // pattern repeats after b.shardCount of them.
    std::uint64_t k = begin + (a.shardIndex + a.shardCount - begin % a.shardCount) % a.shardCount;
    for (std::uint32_t step = 0; step <= b.shardCount && k < end; ++step, k += a.shardCount)
        if (k % b.shardCount == b.shardIndex) return true;
    return false;
}

bool sameGrid(const AccumulationHeader& a, const AccumulationHeader& b) {
    return a.width == b.width && a.height == b.height && a.supersample == b.supersample;
}

} // namespace

template <typename T> T* GridAllocator<T>::allocate(std::size_t n) {
    constexpr std::size_t hugePage = std::size_t(2) << 20;
    const std::size_t bytes = n * sizeof(T);
    if (bytes < hugePage) {
        if (void* p = std::malloc(bytes ? bytes : 1)) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void* p = std::aligned_alloc(hugePage, rounded);
    if (!p) throw std::bad_alloc();
    ::madvise(p, rounded, MADV_HUGEPAGE);
    return static_cast<T*>(p);
}

template <typename T> void GridAllocator<T>::deallocate(T* p, std::size_t) noexcept {
    std::free(p);
}

template struct GridAllocator<DensityCell>;

std::uint64_t AccumulationHeader::points() const {
    return orbitCount(orbits) * orbitLength;
}

void Accumulation::allocate() {
    cells.assign(std::size_t(header.gridWidth()) * std::size_t(header.gridHeight()), DensityCell{});
}

std::uint64_t orbitCount(const OrbitSet& orbits) {
    std::uint64_t n = 0;
    for (const OrbitPiece& p : orbits)
        n += pieceSize(p);
    return n;
}

bool orbitsOverlap(const OrbitSet& a, const OrbitSet& b) {
    for (const OrbitPiece& p : a)
        for (const OrbitPiece& q : b)
            if (piecesOverlap(p, q)) return true;
    return false;
}

OrbitSet canonicalOrbits(OrbitSet orbits) {
    std::erase_if(orbits, [](const OrbitPiece& p) { return pieceSize(p) == 0; });
    // Shards of one range that complete each other become the whole range.
    std::map<std::tuple<std::uint64_t, std::uint64_t, std::uint32_t>, std::set<std::uint32_t>>
        shards;
    for (const OrbitPiece& p : orbits)
        if (p.shardCount > 1) shards[{p.begin, p.end, p.shardCount}].insert(p.shardIndex);
    OrbitSet result;
    for (const OrbitPiece& p : orbits) {
        if (p.shardCount > 1 && shards[{p.begin, p.end, p.shardCount}].size() == p.shardCount) {
            if (p.shardIndex == 0) result.push_back({p.begin, p.end, 0, 1});
        } else {
            result.push_back(p);
        }
    }
    std::sort(result.begin(), result.end(), [](const OrbitPiece& a, const OrbitPiece& b) {
        return std::tie(a.begin, a.end, a.shardCount, a.shardIndex) <
               std::tie(b.begin, b.end, b.shardCount, b.shardIndex);
    });
    OrbitSet joined;
    for (const OrbitPiece& p : result) {
        if (!joined.empty() && joined.back().shardCount == 1 && p.shardCount == 1 &&
            joined.back().end == p.begin)
            joined.back().end = p.end;
        else
            joined.push_back(p);
    }
    return joined;
}

std::string mergeProblem(const AccumulationHeader& into, const AccumulationHeader& other) {
    if (into.documentHash != other.documentHash) return "it was rendered from another document";
    if (!sameGrid(into, other)) return "its size or supersampling differs";
    if (into.seed != other.seed) return "its seed differs";
    if (into.orbitLength != other.orbitLength || into.transient != other.transient)
        return "its orbit length or transient differs";
    if (!(into.view == other.view)) return "its framing differs";
    if (!(into.depth == other.depth)) return "its depth range differs";
    if (into.cellsPerWindowPixel != other.cellsPerWindowPixel)
        return "it was framed in another window size";
    if (into.gain != other.gain || into.background != other.background)
        return "its gain or background differs";
    if (orbitsOverlap(into.orbits, other.orbits)) return "some of its orbits are already in";
    return {};
}

void mergeInto(Accumulation& into, const Accumulation& other) {
    DensityCell* a = into.cells.data();
    const DensityCell* b = other.cells.data();
    for (std::size_t i = 0, n = into.cells.size(); i < n; ++i) {
        a[i].count = saturatingSum(a[i].count, b[i].count);
        a[i].red = saturatingSum(a[i].red, b[i].red);
        a[i].green = saturatingSum(a[i].green, b[i].green);
        a[i].blue = saturatingSum(a[i].blue, b[i].blue);
    }
    OrbitSet orbits = into.header.orbits;
    orbits.insert(orbits.end(), other.header.orbits.begin(), other.header.orbits.end());
    into.header.orbits = canonicalOrbits(std::move(orbits));
}

} // namespace gyrelune
