#pragma once
// A frozen copy of the render core as it was before the loop was made faster
// and split into two stages, so that benchmarks can measure "before" beside
// "after" in one run. Not used by the program.
// The render core: the orbit, rotation, projection, depth colouring and the
// off-screen picture, without any window. The render thread (RenderThread) and
// the headless renderer drive the same object through executePass().
//
// Threads: the UI thread writes the pending settings and raises
// restartRequested last; the render thread copies them over only inside
// applyPendingSettings(), which its driver runs synchronised on the UI thread.
//
// It includes nothing of the program: the map comes in through OrbitMap, so
// that a later change to the program cannot move the "before" figures.

#include "colourStops.h"
#include "pixelBuffer.h"
#include "real48.h"
#include "settings.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace gyrelune::previous {

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

class PreviousCore {
  public:
    // How a loop pass reaches the UI thread: both calls must run the given
    // core operation on the UI thread and return once it is done.
    class Driver {
      public:
        virtual ~Driver() = default;
        virtual void synchronisedRestart(PreviousCore& core) = 0; // runs applyPendingSettings()
        virtual void synchronisedHandOff(PreviousCore& core) = 0; // runs handOffPicture(sink)
    };

    explicit PreviousCore(RandomGenerator& random);
    ~PreviousCore();
    PreviousCore(const PreviousCore&) = delete;
    PreviousCore& operator=(const PreviousCore&) = delete;

    // ---- Pending settings: assigned whole by the UI thread, before it raises restartRequested.
    Settings pendingSettings;

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
    void plotStep();
    // Throws FloatingPointOverflow (orbit unchanged) when the orbit cannot be stored.
    void iterateMap();
    void handOffPicture(PictureSink* sink);
    void savePicture();
    // One pass of the endless loop.
    void executePass(Driver& driver);

    // ---- Read access (tests, the thread wrapper, the headless renderer).
    // The live picture: read it only while the loop stands still, and copy()
    // what is kept (the loop writes into its memory directly).
    const PixelBuffer& picture() const { return picture_; }
    long double orbitX() const { return orbitX_; }
    long double orbitY() const { return orbitY_; }
    long double orbitZ() const { return orbitZ_; }
    void setOrbit(long double x, long double y, long double z);
    std::int32_t stepsSinceHandOff() const { return stepsSinceHandOff_; }
    std::int32_t pointCount() const { return pointCount_; }
    Real48 peakMagnitude() const { return peakMagnitude_; }
    const PixelCell& cell(int column, int row) const;
    int gridWidth() const { return gridWidth_; }   // W: picture width at the last reset
    int gridHeight() const { return gridHeight_; } // H
    const ColourStops& colours() const { return colours_; }
    std::int32_t backgroundColour() const { return backgroundColour_; }
    std::int32_t gain() const { return gain_; }
    Real48 zoom() const { return zoom_; }
    Real48 centreX() const { return centreX_; }
    Real48 centreY() const { return centreY_; }
    const Ranges& ranges() const { return ranges_; } // the live range
    bool isSetUp() const { return setUp_; }

  private:
    bool iterateOrbit() noexcept;
    void restartOrbitAtRandom() noexcept;
    void takeAngles();
    bool rotate(double& x, double& y, double& z) const noexcept;
    bool project(double x, double y, long long& px, long long& py) const noexcept;
    void trackRange(double x, double y, double z) noexcept;
    void accumulate(int px, int py, double z);
    void shade(int column, int row) noexcept;
    void reshadeAll() noexcept;

    RandomGenerator& random_;
    long double orbitX_ = 0, orbitY_ = 0, orbitZ_ = 0;
    std::vector<PixelCell> pixelGrid_; // column-major, (W+1) x (H+1)
    int gridWidth_ = 0, gridHeight_ = 0;
    OrbitMap* map_ = nullptr;
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
    Real48 zoom_, centreX_, centreY_;
    Real48 angleX_, angleY_, angleZ_;
    long double sinA_ = 0, cosA_ = 1, sinB_ = 0, cosB_ = 1, sinC_ = 0, cosC_ = 1;
    std::int32_t gain_ = 0;
    Ranges ranges_;
    Real48 peakMagnitude_;
    long double sqrtPeak_ = 0; // sqrt(peakMagnitude_), kept beside it
    std::atomic<int> clientWidth_{0}, clientHeight_{0};
    bool setUp_ = false;
};

} // namespace gyrelune::previous
