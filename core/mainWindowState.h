#pragma once
// The main window's drawing state and commands without widgets: Draw, Centre,
// Stop/Continue and the two read-outs. Errors raised while a command runs
// (FloatingPointOverflow, ...) propagate to the caller, which shows the error
// box; whatever the command had done stays done.

#include "render/colourStops.h"
#include "core/editField.h"
#include "core/parameterList.h"
#include "formula/real48.h"
#include "render/renderCore.h"

#include <array>
#include <cstdint>
#include <string>

namespace gyrelune {

// The main window's seven fields, in their order on the window and in documents.
enum class MainField : std::size_t { formulaX, formulaY, formulaZ, zoom, centreX, centreY, gain };
inline constexpr std::size_t mainFieldCount = 7;

// What the commands need of the render thread, the image window and the points-per-second timer.
class DrawServices {
  public:
    virtual ~DrawServices() = default;
    virtual RenderCore& core() = 0;
    virtual int imageClientWidth() const = 0;
    virtual int imageClientHeight() const = 0;
    virtual void setThreadPriorityNormal() = 0;
    virtual void resumeThread() = 0;
    virtual void suspendThread() = 0;
    virtual bool threadSuspended() const = 0;
    virtual void setPointsPerSecondTimerEnabled(bool enabled) = 0;
};

// The fields and lists the commands read and write.
struct DrawSources {
    std::array<EditField*, mainFieldCount> mainFields{}; // indexed by MainField
    std::array<EditField*, 3> angleFields{};             // rotation window X, Y, Z
    ParameterList* parameters = nullptr;
    const ColourStops* colourStops = nullptr; // the colour window's list
    const std::int32_t* background = nullptr; // and background
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
    static constexpr const char* caption = "Gyrelune 1.0b";
};

class MainWindowState {
  public:
    // The used number texts start as the fields' texts at creation.
    explicit MainWindowState(const DrawSources& sources);

    bool renderStarted = false;
    bool drawingStopped = false;
    std::string documentName;
    std::int32_t lastPointCount = 0;
    std::string usedFormulaX = "x", usedFormulaY = "y", usedFormulaZ = "z";
    std::string usedZoomText, usedCentreXText, usedCentreYText, usedGainText;
    Real48 statusXMin, statusXMax, statusYMin, statusYMax, statusZMin, statusZMax;
    bool pictureReady = true;

    // draw.
    void draw(const DrawSources& sources, DrawServices& services);
    // centre.
    void centre(const DrawSources& sources, DrawServices& services);
    // toggleStop: the button's new caption ("Folytat" / "Stop"), or empty
    // when nothing happened (before the first Draw).
    std::string stopOrContinue(DrawServices& services);

    // showPointsPerSecond: the image window's new caption.
    std::string pointsPerSecondCaption(std::int32_t shownPointCount);
    // refreshStatusLine: whether a published range differs from its status copy.
    bool statusLineStale(const RenderCore& core) const;
    // updateStatusLine: copies the published ranges and gives the line's text.
    std::string updateStatusLine(const RenderCore& core);

    // The caption after a document was opened or saved under a new name.
    static std::string documentCaption(const std::string& fileName);
};

// The status line for the six range values, each with three decimals.
std::string statusLineText(Real48 xMin, Real48 xMax, Real48 yMin, Real48 yMax, Real48 zMin,
                           Real48 zMax);

// Draw's gain: the value rounded ties to even, clamped to 32 bits.
std::int32_t roundGain(long double value);

} // namespace gyrelune
