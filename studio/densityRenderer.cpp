#include "studio/densityRenderer.h"

#include "render/orbitStage.h"
#include "render/viewGeometry.h"
#include "studio/cellBatch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace gyrelune {
namespace {

constexpr std::uint32_t prePassOrbits = 16, prePassPoints = 4096;
constexpr int colourSteps = 4096; // the depth range's resolution for the colours
static_assert(colourSteps <= 1 << CellBatch::colourBits);

std::uint64_t mix(std::uint64_t x) { // splitmix64's finaliser
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// The restart stream of orbit k; the pre-pass orbits have streams of their own.
std::uint32_t orbitSeed(std::uint64_t seed, std::uint64_t k, bool prePass) {
    return std::uint32_t(mix(mix(seed) ^ (k * 2 + (prePass ? 1 : 0))) >> 32);
}

// An orbit's first point comes from its stream, as a restart's does.
void startOrbit(OrbitStage& stage, std::uint64_t seed, std::uint64_t k, bool prePass) {
    stage.restore({0, 0, 0, orbitSeed(seed, k, prePass)});
    stage.restartAtRandom();
}

OrbitStage stageFor(const RenderSettings& document) {
    OrbitStage stage(0u);
    stage.setIdentity();
    stage.takeFormulas(document.formulaX, document.formulaY, document.formulaZ);
    stage.setRotation(Rotation(document.angleX, document.angleY, document.angleZ));
    return stage;
}

// The range of the rotated points of the pre-pass orbits, after their transients.
Ranges prePassRange(const StudioSettings& settings) {
    OrbitStage stage = stageFor(settings.document);
    const Rotation rotation(settings.document.angleX, settings.document.angleY,
                            settings.document.angleZ);
    Ranges range;
    for (std::uint32_t k = 0; k < prePassOrbits; ++k) {
        startOrbit(stage, settings.seed, k, true);
        for (std::uint32_t t = 0; t < settings.transient; ++t)
            stage.next();
        for (std::uint32_t i = 0; i < prePassPoints; ++i) {
            StoredOrbitPoint p = stage.next();
            if (p.failed() || !rotation.view(p.x, p.y, p.z)) continue;
            range.widen(p.x, p.y, p.z);
        }
    }
    return range;
}

// Rounded gradient colours over the depth range, colourSteps of them.
std::vector<CellColour> colourTable(const ColourStops& stops) {
    std::vector<CellColour> table(colourSteps, {0, 0, 0});
    const std::size_t n = stops.size();
    if (n == 0) return table;
    for (int i = 0; i < colourSteps; ++i) {
        const double along = n == 1 ? 0 : (i + 0.5) / colourSteps * double(n - 1);
        const std::size_t segment = std::min<std::size_t>(std::size_t(along), n >= 2 ? n - 2 : 0);
        const ColourStop& a = stops[segment];
        const ColourStop& b = stops[std::min(segment + 1, n - 1)];
        const double f = along - double(segment);
        table[std::size_t(i)] = {std::uint8_t(std::lround(a.red + f * (b.red - a.red))),
                                 std::uint8_t(std::lround(a.green + f * (b.green - a.green))),
                                 std::uint8_t(std::lround(a.blue + f * (b.blue - a.blue)))};
    }
    return table;
}

// What every worker reads; each has its own orbit stage and batch.
struct Job {
    const StudioSettings* settings;
    ViewGeometry gridView;
    Rotation rotation;
    double depthLow, depthScale;
    std::vector<CellColour> colours;
    SharedGrid grid;
    std::uint64_t begin, end; // orbit indices, before the shard's selection
    std::atomic<std::uint64_t> nextOrbit{0};
    std::atomic<std::uint64_t> pointsDone{0};
    const std::atomic<bool>* stop;
};

void walkOrbit(Job& job, OrbitStage& stage, CellBatch& batch, std::uint64_t k) {
    const StudioSettings& s = *job.settings;
    startOrbit(stage, s.seed, k, false);
    for (std::uint32_t t = 0; t < s.transient; ++t)
        stage.next();
    const long long columns = job.gridView.width(), rows = job.gridView.height();
    for (std::uint32_t i = 0; i < s.orbitLength; ++i) {
        StoredOrbitPoint p = stage.next();
        if (p.failed() || !job.rotation.view(p.x, p.y, p.z)) continue;
        long long px, py;
        if (!job.gridView.project(p.x, p.y, px, py) || px < 0 || py < 0 || px >= columns ||
            py >= rows)
            continue;
        const double t = (p.z - job.depthLow) * job.depthScale;
        const int step = t <= 0 ? 0 : t >= colourSteps - 1 ? colourSteps - 1 : int(t);
        batch.add(std::uint64_t(py) * std::uint64_t(columns) + std::uint64_t(px), unsigned(step));
    }
}

// The first orbit from begin on that belongs to the shard.
std::uint64_t firstOrbit(std::uint64_t begin, const StudioSettings& s) {
    return begin + (s.shardIndex + s.shardCount - begin % s.shardCount) % s.shardCount;
}

void work(Job& job, OrbitStage stage) {
    const std::uint32_t stride = job.settings->shardCount;
    const std::uint64_t first = firstOrbit(job.begin, *job.settings);
    CellBatch batch(job.grid);
    for (;;) {
        if (job.stop && job.stop->load(std::memory_order_relaxed)) break;
        const std::uint64_t j = job.nextOrbit.fetch_add(1, std::memory_order_relaxed);
        const std::uint64_t k = first + j * stride;
        if (k >= job.end) break;
        walkOrbit(job, stage, batch, k);
        job.pointsDone.fetch_add(job.settings->orbitLength, std::memory_order_relaxed);
    }
    batch.flush();
}

std::uint64_t hashBytes(std::uint64_t h, const void* bytes, std::size_t n) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < n; ++i)
        h = (h ^ p[i]) * 0x100000001b3ull;
    return h;
}

template <typename T> std::uint64_t hashValue(std::uint64_t h, const T& value) {
    return hashBytes(h, &value, sizeof value);
}

std::uint64_t hashFormula(std::uint64_t h, const Formula& f) {
    h = hashBytes(h, f.text.data(), f.text.size() + 1);
    for (const auto& variable : f.variables()) {
        h = hashBytes(h, variable.name.data(), variable.name.size() + 1);
        h = hashValue(h, variable.value.toDouble());
    }
    return h;
}

} // namespace

std::uint64_t documentHash(const RenderSettings& d) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    h = hashFormula(hashFormula(hashFormula(h, d.formulaX), d.formulaY), d.formulaZ);
    h = hashValue(h, d.colours.size());
    for (const ColourStop& c : d.colours)
        h = hashValue(hashValue(hashValue(h, c.red), c.green), c.blue);
    for (const Real48 r : {d.zoom, d.centreX, d.centreY, d.angleX, d.angleY, d.angleZ})
        h = hashValue(h, r.toDouble());
    return hashValue(hashValue(h, d.background), d.gain);
}

DensityRenderer::DensityRenderer(const StudioSettings& settings) : settings_(settings) {
    const StudioSettings& s = settings_;
    if (s.width < 1 || s.height < 1 || s.supersample < 1 || s.windowWidth < 1 || s.windowHeight < 1)
        throw std::invalid_argument("the size must be at least 1 x 1");
    if (s.shardCount < 1 || s.shardIndex >= s.shardCount)
        throw std::invalid_argument("the shard must be I/N with 1 <= I <= N");
    if (s.orbitLength < 1) throw std::invalid_argument("orbits must have at least one point");
    documentHash_ = documentHash(s.document);
    scale_ = std::min(double(s.width) / s.windowWidth, double(s.height) / s.windowHeight);
    const bool needRange = s.fit || !s.depthRange;
    const Ranges range = needRange ? prePassRange(s) : Ranges{};
    if (s.fit) {
        const ViewFit fit = ViewGeometry::fit(range, s.width, s.height);
        view_ = {fit.zoomChanged ? double(fit.zoom) : s.document.zoom.toDouble(),
                 fit.centreX.toDouble(), fit.centreY.toDouble()};
    } else {
        view_ = {s.document.zoom.toDouble() * scale_, s.document.centreX.toDouble(),
                 s.document.centreY.toDouble()};
    }
    depth_ =
        s.depthRange ? *s.depthRange : DepthRange{range.zMin.toDouble(), range.zMax.toDouble()};
}

AccumulationHeader DensityRenderer::header() const {
    AccumulationHeader h;
    h.documentHash = documentHash_;
    h.width = settings_.width;
    h.height = settings_.height;
    h.supersample = settings_.supersample;
    h.seed = settings_.seed;
    h.orbitLength = settings_.orbitLength;
    h.transient = settings_.transient;
    h.view = view_;
    h.depth = depth_;
    h.cellsPerWindowPixel = scale_ * settings_.supersample;
    h.gain = settings_.document.gain;
    h.background = settings_.document.background;
    return h;
}

bool DensityRenderer::render(Accumulation& into, std::uint64_t begin, std::uint64_t end,
                             const ProgressCallback& progress, const std::atomic<bool>* stop) {
    const StudioSettings& s = settings_;
    const int grid = s.supersample;
    Job job;
    job.settings = &s;
    Real48 zoom;
    if (!Real48::tryFromExtended((long double)view_.zoom * grid, zoom))
        throw std::invalid_argument("the zoom is beyond the numbers the program can store");
    job.gridView =
        ViewGeometry(Rotation(s.document.angleX, s.document.angleY, s.document.angleZ), zoom,
                     Real48::fromExactDouble(view_.centreX), Real48::fromExactDouble(view_.centreY),
                     s.width * grid, s.height * grid);
    job.rotation = job.gridView.rotation();
    job.depthLow = depth_.low;
    job.depthScale = depth_.high > depth_.low ? colourSteps / (depth_.high - depth_.low) : 0;
    job.colours = colourTable(s.document.colours);
    job.grid.cells = into.cells.data();
    job.grid.colours = job.colours.data();
    job.begin = begin;
    job.end = end;
    job.stop = stop;
    const OrbitPiece piece = shardPiece(s, begin, end);
    const std::uint64_t total = orbitCount({piece}) * s.orbitLength;

    const OrbitStage stage = stageFor(s.document);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned threads = s.threads > 0 ? unsigned(s.threads) : cores;
    std::atomic<unsigned> running{threads};
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < threads; ++i)
        workers.emplace_back([&job, &stage, &running] {
            work(job, stage);
            running.fetch_sub(1);
        });
    const auto started = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    auto report = [&] {
        if (progress) progress({job.pointsDone.load(), total, seconds()});
    };
    for (double reported = 0; running.load() > 0;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (seconds() - reported >= 0.1) {
            report();
            reported = seconds();
        }
    }
    workers.clear(); // joins
    // An orbit once taken is walked to its end, and they are taken in order:
    // the first `taken` orbits of the shard's range are in, whole.
    const std::uint64_t inRange = orbitCount({piece});
    const std::uint64_t taken = std::min(job.nextOrbit.load(), inRange);
    OrbitPiece done = piece;
    if (taken < inRange) done.end = firstOrbit(begin, s) + taken * s.shardCount;
    OrbitSet orbits = into.header.orbits;
    orbits.push_back(done);
    into.header.orbits = canonicalOrbits(std::move(orbits));
    if (taken < inRange) return false;
    report();
    return true;
}

bool DensityRenderer::renderAll(Accumulation& into, const ProgressCallback& progress,
                                const std::atomic<bool>* stop) {
    into.header = header();
    into.allocate();
    return render(into, 0, orbitCountFor(settings_.points, settings_.orbitLength), progress, stop);
}

} // namespace gyrelune
