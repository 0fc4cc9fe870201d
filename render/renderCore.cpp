#include "render/renderCore.h"

#include "formula/extendedMath.h"

#include <algorithm>

namespace gyrelune {
namespace {

// Background fill and the frame of a 2-pixel black pen on the rectangle
// (0, 0, W, H). The pen is centred on the rectangle's edge lines x = 0,
// x = W, y = 0 and y = H, one pixel on each side; the outer halves fall off
// the picture, so the frame shows as columns 0 and W-1 and rows 0 and H-1.
void paintBlank(PixelBuffer& picture, std::int32_t background) {
    std::uint8_t red = 0, green = 0, blue = 0;
    splitColour(background, red, green, blue);
    const int width = picture.width(), height = picture.height();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture.row(y);
        const bool edgeRow = y == 0 || y == height - 1;
        for (int x = 0; x < width; ++x) {
            const bool frame = edgeRow || x == 0 || x == width - 1;
            row[3 * x] = frame ? 0 : blue;
            row[3 * x + 1] = frame ? 0 : green;
            row[3 * x + 2] = frame ? 0 : red;
        }
    }
}

} // namespace

RenderCore::RenderCore(RandomGenerator& random) : orbit_(random) {}

RenderCore::~RenderCore() = default;

void RenderCore::setClientSize(int width, int height) {
    clientWidth_.store(width, std::memory_order_relaxed);
    clientHeight_.store(height, std::memory_order_relaxed);
}

void RenderCore::requestSave(const std::string& fileName) {
    std::lock_guard lock(saveNameMutex_);
    saveFileName_ = fileName;
    saveRequested.store(true, std::memory_order_release);
}

void RenderCore::setUp(int width, int height) {
    pendingSettings.colours = defaultColourStops();
    colours_ = defaultColourStops();
    backgroundColour_ = 0;
    backRed_ = backGreen_ = backBlue_ = 0;
    gain_ = 2;
    view_ = ViewGeometry(Rotation(), view_.zoom(), view_.centreX(), view_.centreY(), width, height);
    orbit_.setRotation(view_.rotation());
    stepsSinceHandOff_ = 0;
    pointCount_ = 0;
    restartRequested.store(false);
    orbit_.setIdentity();
    setClientSize(width, height);
    resetPicture(width, height);
    setUp_ = true;
}

void RenderCore::resetPicture(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (backgroundColour_ < 0) backgroundColour_ = 0;
    // Nothing may be plotted into a picture that failed to allocate.
    gridWidth_ = gridHeight_ = 0;
    pixels_ = nullptr;
    stride_ = 0;
    picture_.resize(width, height);
    paintBlank(picture_, backgroundColour_);
    pixels_ = picture_.bits();
    stride_ = picture_.stride();
    pixelGrid_.assign(std::size_t(width + 1) * std::size_t(height + 1), PixelCell{});
    cellTouched_.assign(pixelGrid_.size(), 0);
    touchedCells_.clear();
    sortedTouchedCells_ = 0;
    stopDepthsValid_ = false;
    gridWidth_ = width;
    gridHeight_ = height;
    peakMagnitude_ = Real48();
    sqrtPeak_ = 0;
    sqrtPeakDouble_ = 0;
    orbit_.setPoint({1, 1, 1});
    ranges_ = Ranges{};
    pointCount_ = 0;
    stepsSinceHandOff_ = 0;
}

void RenderCore::applyPendingSettings() {
    restartRequested.store(false);
    const RenderSettings& settings = pendingSettings;
    colours_ = settings.colours;
    backgroundColour_ = settings.background;
    backRed_ = backGreen_ = backBlue_ = 0;
    splitColour(settings.background, backRed_, backGreen_, backBlue_);
    // The rotation's sines and cosines are taken once per restart.
    view_ = ViewGeometry(Rotation(settings.angleX, settings.angleY, settings.angleZ), settings.zoom,
                         settings.centreX, settings.centreY, clientWidth(), clientHeight());
    orbit_.setRotation(view_.rotation());
    gain_ = settings.gain;
    orbit_.takeFormulas(settings.formulaX, settings.formulaY, settings.formulaZ);
    resetPicture(clientWidth(), clientHeight());
}

void RenderCore::setOrbit(long double x, long double y, long double z) {
    orbit_.setPoint({x, y, z});
}

OrbitState RenderCore::orbitState() const {
    return orbit_.state();
}

void RenderCore::restoreOrbitState(const OrbitState& state) {
    orbit_.restore(state);
}

const PixelCell& RenderCore::cell(int column, int row) const {
    static const PixelCell empty{};
    if (column < 0 || row < 0 || column > gridWidth_ || row > gridHeight_) return empty;
    return pixelGrid_[std::size_t(column) * std::size_t(gridHeight_ + 1) + std::size_t(row)];
}

void RenderCore::handOffPicture(PictureSink* sink) {
    shownRanges = ranges_;
    if (sink) {
        try {
            // The sink copies what it keeps, at the rate it can show it.
            sink->drawPicture(picture_);
        } catch (...) {
            // A failed draw still publishes, flags and resets below.
        }
        sink->setPictureReady();
    }
    stepsSinceHandOff_ = 0;
}

// A failed save is given up (and reported) rather than retried on every pass.
void RenderCore::savePicture() {
    std::string name;
    {
        std::lock_guard lock(saveNameMutex_);
        name = saveFileName_;
        saveRequested.store(false, std::memory_order_relaxed);
    }
    const std::string reason =
        pictureWriter_ ? pictureWriter_(picture_, name) : std::string("nincs képfájl-író");
    if (!reason.empty() && onSaveFailed) onSaveFailed(name, reason);
}

void RenderCore::executePass(Driver& driver, OrbitFeed* feed) {
    try {
        if (restartRequested.load() && stepsSinceHandOff_ > 100) {
            if (feed) feed->settle();
            driver.synchronisedRestart(*this);
        }
        if (saveRequested.load(std::memory_order_acquire)) savePicture();
        if (feed) {
            rasterStep(feed->next());
        } else {
            plotStep();
        }
        shownPointCount.store(pointCount_, std::memory_order_relaxed);
        // At or past: a hand-off that failed is retried instead of never coming again.
        if (stepsSinceHandOff_ >= 1000) driver.synchronisedHandOff(*this);
    } catch (...) {
        // Errors on the render thread end the pass and nothing else.
    }
}

} // namespace gyrelune
