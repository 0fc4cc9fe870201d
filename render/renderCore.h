#pragma once
// The render loop and its hand-offs over three parts: the orbit stage, the
// view and the raster, without any window. The render thread (RenderThread)
// and the headless renderer drive the same object through executePass().
//
// Threads: the UI thread submits the settings and then requests the restart;
// the loop takes them over only inside applyPendingSettings(), which its
// driver runs synchronised on the UI thread. While an orbit feed runs ahead
// (render/orbitPipeline.h), its thread owns the orbit stage and the loop
// thread the raster.

#include "formula/formula.h"
#include "formula/real48.h"
#include "render/colourStops.h"
#include "render/orbitStage.h"
#include "render/pixelBuffer.h"
#include "render/randomGenerator.h"
#include "render/raster.h"
#include "render/renderSettings.h"
#include "render/viewGeometry.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace gyrelune {

// Where a hand-off shows the picture (the image window) and flags it ready.
class PictureSink {
  public:
    virtual ~PictureSink() = default;
    // Called on the UI thread while the render thread waits; may throw. The
    // picture is the live one: copy what is kept.
    virtual void drawPicture(const PixelBuffer& picture) = 0;
    virtual void setPictureReady() = 0;
};

// Writes the picture to the named file; returns the reason nothing was
// written, empty on success (render/pictureFile.h has the program's).
using PictureWriter =
    std::function<std::string(const PixelBuffer& picture, const std::string& fileName)>;

class RenderCore {
  public:
    // How a loop pass reaches the UI thread: both calls must run the given
    // core operation on the UI thread and return once it is done.
    class Driver {
      public:
        virtual ~Driver() = default;
        virtual void synchronisedRestart(RenderCore& core) = 0; // runs applyPendingSettings()
        virtual void synchronisedHandOff(RenderCore& core) = 0; // runs handOffPicture(sink)
    };

    // Where a pass takes its orbit point from when the orbit stage runs ahead
    // elsewhere (render/orbitPipeline.h).
    class OrbitFeed {
      public:
        virtual ~OrbitFeed() = default;
        // The point of the next step, in the orbit stage's order.
        virtual StoredOrbitPoint next() = 0;
        // Stops the orbit stage and leaves the core's orbit state as it is
        // after the last point taken, so that the settings may be replaced.
        virtual void settle() = 0;
    };

    // What the loop shows the UI thread.
    struct Published {
        Ranges ranges;               // the range at the last hand-off
        std::int32_t pointCount = 0; // after every step
    };

    explicit RenderCore(RandomGenerator& random = processRandom());
    ~RenderCore();
    RenderCore(const RenderCore&) = delete;
    RenderCore& operator=(const RenderCore&) = delete;

    // ---- The UI thread's side.
    // The settings the next restart takes over, replaced whole.
    void submit(RenderSettings settings) { pending_ = std::move(settings); }
    const RenderSettings& submitted() const { return pending_; }
    // Raised after what it announces was submitted.
    void requestRestart() { restartRequested_.store(true); }
    void withdrawRestartRequest() { restartRequested_.store(false); }
    bool restartRequested() const { return restartRequested_.load(); }
    // Writes the name, then raises the request.
    void requestSave(const std::string& fileName);
    bool saveRequested() const { return saveRequested_.load(std::memory_order_acquire); }
    Published published() const {
        return {shownRanges_, shownPointCount_.load(std::memory_order_relaxed)};
    }
    // A Draw's new start shows no range until the next hand-off.
    void clearPublishedRanges() { shownRanges_ = Ranges{}; }
    // Sets what the readouts show (their tests).
    void publish(const Published& values);

    // ---- The image window's client size: written by the UI thread, read every step.
    void setClientSize(int width, int height);
    int clientWidth() const { return clientWidth_.load(std::memory_order_relaxed); }
    int clientHeight() const { return clientHeight_.load(std::memory_order_relaxed); }

    // Reports a save that wrote nothing (file name, reason); called on the render thread.
    using SaveFailedHandler =
        std::function<void(const std::string& fileName, const std::string& reason)>;
    void setSaveFailedHandler(SaveFailedHandler handler) { onSaveFailed_ = std::move(handler); }
    // What serves save requests; without one, every save is reported as failed.
    void setPictureWriter(PictureWriter writer) { pictureWriter_ = std::move(writer); }

    // ---- Operations.
    void setUp(int width, int height);
    void resetPicture(int width, int height);
    // Clears the restart request before it copies: it runs where requests are
    // raised, so a request raised after the copy stays standing.
    void applyPendingSettings();
    // One step: the orbit stage's next point, then rasterStep.
    void plotStep() { rasterStep(orbit_.next()); }
    // The raster stage: rotation, projection, range, colour, accumulation and
    // shading of a point from the orbit stage; nothing for a failed step.
    void rasterStep(StoredOrbitPoint point) {
        if (point.failed()) return; // nothing drawn, not counted
        // The picture's middle follows the window at once, before the restart.
        view_.setPictureSize(clientWidth(), clientHeight());
        raster_.take(view_, point.x, point.y, point.z);
        ++stepsSinceHandOff_;
    }
    // Throws FloatingPointOverflow (orbit unchanged) when the orbit cannot be stored.
    void iterateMap();
    void handOffPicture(PictureSink* sink);
    void savePicture();
    // One pass of the endless loop; the orbit point from feed when given.
    void executePass(Driver& driver, OrbitFeed* feed = nullptr);

    // The orbit stage. A feed that runs it ahead on a thread of its own takes
    // it over until it settles.
    OrbitStage& orbit() { return orbit_; }
    const OrbitStage& orbit() const { return orbit_; }
    const ViewGeometry& view() const { return view_; }
    const Raster& raster() const { return raster_; }

    // ---- Read access (tests, the thread wrapper, the headless renderer).
    // The live picture: read it only while the loop stands still, and copy()
    // what is kept (the loop writes into its memory directly).
    const PixelBuffer& picture() const { return raster_.picture(); }
    long double orbitX() const { return orbit_.point().x; }
    long double orbitY() const { return orbit_.point().y; }
    long double orbitZ() const { return orbit_.point().z; }
    void setOrbit(long double x, long double y, long double z) { orbit_.setPoint({x, y, z}); }
    std::int32_t stepsSinceHandOff() const { return stepsSinceHandOff_; }
    std::int32_t pointCount() const { return raster_.pointCount(); }
    Real48 peakMagnitude() const { return raster_.peakMagnitude(); }
    const PixelCell& cell(int column, int row) const { return raster_.cell(column, row); }
    int gridWidth() const { return raster_.width(); }   // W: picture width at the last reset
    int gridHeight() const { return raster_.height(); } // H
    const ColourStops& colours() const { return raster_.colours(); }
    std::int32_t backgroundColour() const { return raster_.backgroundColour(); }
    std::int32_t gain() const { return raster_.gain(); }
    Real48 zoom() const { return view_.zoom(); }
    Real48 centreX() const { return view_.centreX(); }
    Real48 centreY() const { return view_.centreY(); }
    const Ranges& ranges() const { return raster_.ranges(); } // the live range
    const Formula& activeFormulaX() const { return orbit_.formula(0); }
    const Formula& activeFormulaY() const { return orbit_.formula(1); }
    const Formula& activeFormulaZ() const { return orbit_.formula(2); }
    bool isSetUp() const { return setUp_; }

  private:
    OrbitStage orbit_;
    ViewGeometry view_;
    Raster raster_;
    RenderSettings pending_;
    std::atomic<bool> restartRequested_{false};
    std::atomic<bool> saveRequested_{false};
    std::mutex saveNameMutex_;
    std::string saveFileName_;
    PictureWriter pictureWriter_;
    SaveFailedHandler onSaveFailed_;
    std::int32_t stepsSinceHandOff_ = 0;
    Ranges shownRanges_; // UI thread
    std::atomic<std::int32_t> shownPointCount_{0};
    std::atomic<int> clientWidth_{0}, clientHeight_{0};
    bool setUp_ = false;
};

} // namespace gyrelune
