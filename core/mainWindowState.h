#pragma once
// The main window's drawing state and commands without widgets: Draw, Centre,
// Stop/Continue and the two read-outs. Errors raised while a command runs
// (FloatingPointOverflow, ...) propagate to the caller, which shows the error
// box; whatever the command had done stays done.

#include "core/documentOpen.h"
#include "core/editField.h"
#include "core/parameterList.h"
#include "core/sessionWiring.h"
#include "core/version.h"
#include "formula/real48.h"
#include "render/colourStops.h"
#include "render/renderCore.h"

#include <array>
#include <cstdint>
#include <string>

namespace gyrelune {

// What the commands need of the render thread, the image window and the points-per-second timer.
class DrawServices {
  public:
    virtual ~DrawServices() = default;
    virtual RenderCore& core() = 0;
    virtual int imageClientWidth() const = 0;
    virtual int imageClientHeight() const = 0;
    virtual void resumeThread() = 0;
    virtual void suspendThread() = 0;
    virtual bool threadSuspended() const = 0;
    virtual void setPointsPerSecondTimerEnabled(bool enabled) = 0;
};

// The main window's initial field texts.
struct MainWindowDefaults {
    static constexpr const char* formulaX = "sin(x*y*4.36/pi)+y*0.453+0.45";
    static constexpr const char* formulaY = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
    static constexpr const char* formulaZ = "1.93*cos(y*x)+0.49*sin(x)";
    static constexpr const char* zoom = "111.78418";
    static constexpr const char* centreX = "0.290";
    static constexpr const char* centreY = "-0.362";
    static constexpr const char* gain = "1500";
    static constexpr const char* caption = "Gyrelune " GYRELUNE_VERSION;
};

class MainWindowState {
  public:
    // The used number texts start as the fields' texts at creation.
    explicit MainWindowState(const SessionWiring& wiring);

    bool renderStarted = false;
    bool drawingStopped = false;
    std::string documentName;
    std::int32_t lastPointCount = 0;
    std::string usedFormulaX = "x", usedFormulaY = "y", usedFormulaZ = "z";
    std::string usedZoomText, usedCentreXText, usedCentreYText, usedGainText;
    Ranges statusRanges; // the range values that the status line shows
    bool pictureReady = true;

    // "Rajzol": hands what changed over to the render core and raises its restart request.
    void draw(const SessionWiring& wiring, DrawServices& services);
    // "Középre": fits zoom and centre to the published X and Y ranges.
    void centre(const SessionWiring& wiring, DrawServices& services);
    // "Stop" / "Folytat": the button's new caption, or empty when nothing
    // happened (before the first Draw).
    std::string stopOrContinue(DrawServices& services);
    // "Megnyitás" once the file is read: the rotation window's redraw off, the
    // read applied to the wired windows, documentName set after the colours.
    // Throws the read's error after applying what came before it; the caller
    // then skips Draw, else sets pictureReady and draws.
    void openDocument(const ReadResult& read, const std::string& fileName,
                      const SessionWiring& wiring);

    // The one-second read-out: the image window's new caption.
    std::string pointsPerSecondCaption(std::int32_t shownPointCount);
    // The 50 ms status-line check: whether a published range differs from its status copy.
    bool statusLineStale(const RenderCore& core) const;
    // Copies the published ranges and gives the status line's text.
    std::string updateStatusLine(const RenderCore& core);

    // The caption after a document was opened or saved under a new name.
    static std::string documentCaption(const std::string& fileName);

  private:
    void handOverFields(const SessionWiring& wiring, RenderCore& core, RenderSettings& pending);
};

// The status line for the six range values, each with three decimals.
std::string statusLineText(const Ranges& ranges);

// Draw's gain: the value rounded ties to even, clamped to 32 bits.
std::int32_t roundGain(long double value);

} // namespace gyrelune
