#pragma once
// The render core: the orbit, rotation, projection, depth colouring and the
// off-screen picture, without any window. The render thread (RenderThread) and
// the headless renderer drive the same object through executePass().
//
// Threads: the UI thread writes the pending settings and raises
// restartRequested last; the render thread copies them over only inside
// applyPendingSettings(), which its driver runs synchronised on the UI thread.

#include "formula/formula.h"
#include "formula/real48.h"
#include "render/colourStops.h"
#include "render/orbitStage.h"
#include "render/pixelBuffer.h"
#include "render/randomGenerator.h"
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

struct PixelCell {
    Real48 accRed, accGreen, accBlue;
};

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

    explicit RenderCore(RandomGenerator& random = processRandom());
    ~RenderCore();
    RenderCore(const RenderCore&) = delete;
    RenderCore& operator=(const RenderCore&) = delete;

    // ---- Pending settings: assigned whole by the UI thread, before it raises restartRequested.
    RenderSettings pendingSettings;

    // ---- Requests: raised by the UI thread after what they announce is written.
    std::atomic<bool> restartRequested{false};
    std::atomic<bool> saveRequested{false};
    // Writes the name, then raises saveRequested.
    void requestSave(const std::string& fileName);

    // ---- Published: ranges written by the hand-off (UI thread), the count after every step.
    Ranges shownRanges;
    std::atomic<std::int32_t> shownPointCount{0};

    // ---- The image window's client size: written by the UI thread, read every step.
    void setClientSize(int width, int height);
    int clientWidth() const { return clientWidth_.load(std::memory_order_relaxed); }
    int clientHeight() const { return clientHeight_.load(std::memory_order_relaxed); }

    // Reports a save that wrote nothing (file name, reason); called on the render thread.
    std::function<void(const std::string& fileName, const std::string& reason)> onSaveFailed;
    // What serves save requests; without one, every save is reported as failed.
    void setPictureWriter(PictureWriter writer) { pictureWriter_ = std::move(writer); }

    // ---- Operations.
    void setUp(int width, int height);
    void resetPicture(int width, int height);
    // Clears restartRequested before it copies: it runs where requests are
    // raised, so a request raised after the copy stays standing.
    void applyPendingSettings();
    // One step: orbitStep, then rasterStep.
    void plotStep();
    // The orbit stage: stores the orbit point and iterates the map, or restarts
    // the orbit at random when the point cannot be stored or rotated. Touches
    // only the orbit, the active formulas and the random generator.
    void orbitStep(StoredOrbitPoint& point) noexcept;
    // The raster stage: rotation, projection, range, colour, accumulation and
    // shading of a point from orbitStep; nothing for a failed step.
    void rasterStep(StoredOrbitPoint point);
    // Throws FloatingPointOverflow (orbit unchanged) when the orbit cannot be stored.
    void iterateMap();
    void handOffPicture(PictureSink* sink);
    void savePicture();
    // One pass of the endless loop; the orbit point from feed when given.
    void executePass(Driver& driver, OrbitFeed* feed = nullptr);

    // ---- Read access (tests, the thread wrapper, the headless renderer).
    // The live picture: read it only while the loop stands still, and copy()
    // what is kept (the loop writes into its memory directly).
    const PixelBuffer& picture() const { return picture_; }
    long double orbitX() const { return orbit_.point().x; }
    long double orbitY() const { return orbit_.point().y; }
    long double orbitZ() const { return orbit_.point().z; }
    void setOrbit(long double x, long double y, long double z);
    OrbitState orbitState() const;
    void restoreOrbitState(const OrbitState& state);
    std::int32_t stepsSinceHandOff() const { return stepsSinceHandOff_; }
    std::int32_t pointCount() const { return pointCount_; }
    Real48 peakMagnitude() const { return peakMagnitude_; }
    const PixelCell& cell(int column, int row) const;
    int gridWidth() const { return gridWidth_; }   // W: picture width at the last reset
    int gridHeight() const { return gridHeight_; } // H
    const ColourStops& colours() const { return colours_; }
    std::int32_t backgroundColour() const { return backgroundColour_; }
    std::int32_t gain() const { return gain_; }
    Real48 zoom() const { return view_.zoom(); }
    Real48 centreX() const { return view_.centreX(); }
    Real48 centreY() const { return view_.centreY(); }
    const ViewGeometry& view() const { return view_; }
    const Ranges& ranges() const { return ranges_; } // the live range
    const Formula& activeFormulaX() const { return orbit_.formula(0); }
    const Formula& activeFormulaY() const { return orbit_.formula(1); }
    const Formula& activeFormulaZ() const { return orbit_.formula(2); }
    bool isSetUp() const { return setUp_; }

  private:
    void accumulate(int px, int py, double z);
    void shade(int column, int row) noexcept;
    void reshadeAll() noexcept;
    void takeStopDepths();

    OrbitStage orbit_;
    ViewGeometry view_;
    std::vector<PixelCell> pixelGrid_; // column-major, (W+1) x (H+1)
    // The cells that took colour since the reset, once each, for the re-shade.
    std::vector<std::uint32_t> touchedCells_;
    std::size_t sortedTouchedCells_ = 0; // the front of touchedCells_ in grid order
    std::vector<std::uint8_t> cellTouched_;
    // The stops' depths over the range [stopDepthsZMin_, stopDepthsZMax_], and
    // their stored bounds where they could be stored.
    std::vector<long double> stopDepths_;
    std::vector<Real48> stopBounds_;
    std::vector<std::uint8_t> stopBoundStored_;
    Real48 stopDepthsZMin_, stopDepthsZMax_;
    bool stopDepthsValid_ = false;
    int gridWidth_ = 0, gridHeight_ = 0;
    std::mutex saveNameMutex_;
    std::string saveFileName_;
    PictureWriter pictureWriter_;
    std::int32_t stepsSinceHandOff_ = 0;
    std::int32_t pointCount_ = 0;
    ColourStops colours_;
    std::uint8_t backRed_ = 0, backGreen_ = 0, backBlue_ = 0;
    std::int32_t backgroundColour_ = 0;
    PixelBuffer picture_;
    // Row memory of picture_, taken once per reset.
    std::uint8_t* pixels_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    std::int32_t gain_ = 0;
    Ranges ranges_;
    Real48 peakMagnitude_;
    long double sqrtPeak_ = 0;  // sqrt(peakMagnitude_), kept beside it
    double sqrtPeakDouble_ = 0; // and rounded to double
    std::atomic<int> clientWidth_{0}, clientHeight_{0};
    bool setUp_ = false;
};

} // namespace gyrelune
