#include "previousCore.h"

#include "extendedMath.h"

#include <algorithm>

namespace gyrelune::previous {
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

// The map of a core that was set up but never given one: x, y, z.
class IdentityMap : public OrbitMap {
  public:
    void step(const double point[3], long double next[3]) noexcept override {
        for (int i = 0; i < 3; ++i)
            next[i] = point[i];
    }
};

} // namespace

PreviousCore::PreviousCore(RandomGenerator& random) : random_(random) {}

PreviousCore::~PreviousCore() = default;

void PreviousCore::setClientSize(int width, int height) {
    clientWidth_.store(width, std::memory_order_relaxed);
    clientHeight_.store(height, std::memory_order_relaxed);
}

void PreviousCore::requestSave(const std::string& fileName) {
    std::lock_guard lock(saveNameMutex_);
    saveFileName_ = fileName;
    saveRequested.store(true, std::memory_order_release);
}

void PreviousCore::setUp(int width, int height) {
    pendingSettings.colours = defaultColourStops();
    colours_ = defaultColourStops();
    backgroundColour_ = 0;
    backRed_ = backGreen_ = backBlue_ = 0;
    gain_ = 2;
    angleX_ = angleY_ = angleZ_ = Real48();
    takeAngles();
    stepsSinceHandOff_ = 0;
    pointCount_ = 0;
    restartRequested.store(false);
    static IdentityMap identity;
    map_ = &identity;
    setClientSize(width, height);
    resetPicture(width, height);
    setUp_ = true;
}

void PreviousCore::resetPicture(int width, int height) {
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
    gridWidth_ = width;
    gridHeight_ = height;
    peakMagnitude_ = Real48();
    sqrtPeak_ = 0;
    orbitX_ = orbitY_ = orbitZ_ = 1;
    ranges_ = Ranges{};
    pointCount_ = 0;
    stepsSinceHandOff_ = 0;
}

void PreviousCore::applyPendingSettings() {
    restartRequested.store(false);
    const Settings& settings = pendingSettings;
    colours_ = settings.colours;
    backgroundColour_ = settings.background;
    backRed_ = backGreen_ = backBlue_ = 0;
    splitColour(settings.background, backRed_, backGreen_, backBlue_);
    zoom_ = settings.zoom;
    centreX_ = settings.centreX;
    centreY_ = settings.centreY;
    angleX_ = settings.angleX;
    angleY_ = settings.angleY;
    angleZ_ = settings.angleZ;
    takeAngles();
    gain_ = settings.gain;
    if (settings.map) map_ = settings.map;
    resetPicture(clientWidth(), clientHeight());
}

// The per-step rotation uses these, so they are taken once per restart.
void PreviousCore::takeAngles() {
    sinA_ = sinExtended(angleX_.toExtended());
    cosA_ = cosExtended(angleX_.toExtended());
    sinB_ = sinExtended(angleY_.toExtended());
    cosB_ = cosExtended(angleY_.toExtended());
    sinC_ = sinExtended(angleZ_.toExtended());
    cosC_ = cosExtended(angleZ_.toExtended());
}

void PreviousCore::setOrbit(long double x, long double y, long double z) {
    orbitX_ = x;
    orbitY_ = y;
    orbitZ_ = z;
}

const PixelCell& PreviousCore::cell(int column, int row) const {
    static const PixelCell empty{};
    if (column < 0 || row < 0 || column > gridWidth_ || row > gridHeight_) return empty;
    return pixelGrid_[std::size_t(column) * std::size_t(gridHeight_ + 1) + std::size_t(row)];
}

void PreviousCore::handOffPicture(PictureSink* sink) {
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
void PreviousCore::savePicture() {
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

void PreviousCore::executePass(Driver& driver) {
    try {
        if (restartRequested.load() && stepsSinceHandOff_ > 100) driver.synchronisedRestart(*this);
        if (saveRequested.load(std::memory_order_acquire)) savePicture();
        plotStep();
        shownPointCount.store(pointCount_, std::memory_order_relaxed);
        // At or past: a hand-off that failed is retried instead of never coming again.
        if (stepsSinceHandOff_ >= 1000) driver.synchronisedHandOff(*this);
    } catch (...) {
        // Errors on the render thread end the pass and nothing else.
    }
}

} // namespace gyrelune::previous
