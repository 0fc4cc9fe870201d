#include "render/renderCore.h"

namespace gyrelune {

RenderCore::RenderCore(RandomGenerator& random) : orbit_(random) {}

RenderCore::~RenderCore() = default;

void RenderCore::setClientSize(int width, int height) {
    clientWidth_.store(width, std::memory_order_relaxed);
    clientHeight_.store(height, std::memory_order_relaxed);
}

void RenderCore::requestSave(const std::string& fileName) {
    std::lock_guard lock(saveNameMutex_);
    saveFileName_ = fileName;
    saveRequested_.store(true, std::memory_order_release);
}

void RenderCore::publish(const Published& values) {
    shownRanges_ = values.ranges;
    shownPointCount_.store(values.pointCount, std::memory_order_relaxed);
}

void RenderCore::setUp(int width, int height) {
    pending_.colours = defaultColourStops();
    raster_.setUpLook();
    view_ = ViewGeometry(Rotation(), view_.zoom(), view_.centreX(), view_.centreY(), width, height);
    orbit_.setRotation(view_.rotation());
    stepsSinceHandOff_ = 0;
    restartRequested_.store(false);
    orbit_.setIdentity();
    setClientSize(width, height);
    resetPicture(width, height);
    setUp_ = true;
}

void RenderCore::resetPicture(int width, int height) {
    raster_.reset(width, height);
    orbit_.setPoint({1, 1, 1});
    stepsSinceHandOff_ = 0;
}

void RenderCore::applyPendingSettings() {
    restartRequested_.store(false);
    const RenderSettings& settings = pending_;
    raster_.setLook(settings.colours, settings.background, settings.gain);
    // The rotation's sines and cosines are taken once per restart.
    view_ = ViewGeometry(Rotation(settings.angleX, settings.angleY, settings.angleZ), settings.zoom,
                         settings.centreX, settings.centreY, clientWidth(), clientHeight());
    orbit_.setRotation(view_.rotation());
    orbit_.takeFormulas(settings.formulaX, settings.formulaY, settings.formulaZ);
    resetPicture(clientWidth(), clientHeight());
}

void RenderCore::iterateMap() {
    EvaluationCodes ignored;
    if (!orbit_.advance(ignored)) throw FloatingPointOverflow();
}

void RenderCore::handOffPicture(PictureSink* sink) {
    shownRanges_ = raster_.ranges();
    if (sink) {
        try {
            // The sink copies what it keeps, at the rate it can show it.
            sink->drawPicture(raster_.picture());
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
        saveRequested_.store(false, std::memory_order_relaxed);
    }
    const std::string reason =
        pictureWriter_ ? pictureWriter_(raster_.picture(), name) : std::string("nincs képfájl-író");
    if (!reason.empty() && onSaveFailed_) onSaveFailed_(name, reason);
}

void RenderCore::executePass(Driver& driver, OrbitFeed* feed) {
    try {
        if (restartRequested_.load() && stepsSinceHandOff_ > 100) {
            if (feed) feed->settle();
            driver.synchronisedRestart(*this);
        }
        if (saveRequested_.load(std::memory_order_acquire)) savePicture();
        rasterStep(feed ? feed->next() : orbit_.next());
        shownPointCount_.store(raster_.pointCount(), std::memory_order_relaxed);
        // At or past: a hand-off that failed is retried instead of never coming again.
        if (stepsSinceHandOff_ >= 1000) driver.synchronisedHandOff(*this);
    } catch (...) {
        // Errors on the render thread end the pass and nothing else.
    }
}

} // namespace gyrelune
