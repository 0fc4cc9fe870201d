#pragma once
// Drives a RenderCore the way the main window does: pending settings
// written, then taken over.

#include "render/renderCore.h"

#include <ostream>
#include <string>

namespace gyrelune::test {

struct Settings {
    std::string x = "x", y = "y", z = "z";
    long double zoom = 1, centreX = 0, centreY = 0;
    std::int32_t gain = 255;
    long double angleX = 0, angleY = 0, angleZ = 0; // radians
    ColourStops stops = defaultColourStops();
    std::int32_t background = 0;
};

inline void setFormula(Formula& f, const std::string& text) {
    bool error = false;
    f.text = text;
    f.Compile(error);
}

// What a Draw writes, ending with the restart request.
inline void writePending(RenderCore& core, const Settings& s) {
    setFormula(core.pendingFormulaX, s.x);
    setFormula(core.pendingFormulaY, s.y);
    setFormula(core.pendingFormulaZ, s.z);
    core.pendingZoom = Real48::fromExtended(s.zoom);
    core.pendingCentreX = Real48::fromExtended(s.centreX);
    core.pendingCentreY = Real48::fromExtended(s.centreY);
    core.pendingGain = s.gain;
    core.pendingAngleX = Real48::fromExtended(s.angleX);
    core.pendingAngleY = Real48::fromExtended(s.angleY);
    core.pendingAngleZ = Real48::fromExtended(s.angleZ);
    core.pendingColours = s.stops;
    core.pendingBackground = s.background;
    core.restartRequested = true;
}

// A core set up at width x height and restarted with the given settings.
inline void drawNow(RenderCore& core, const Settings& s, int width = 100, int height = 100) {
    if (!core.isSetUp()) core.setUp(width, height);
    core.setClientSize(width, height);
    writePending(core, s);
    core.applyPendingSettings();
}

// Plots exactly (x, y, z): the identity map leaves the orbit where it is set.
inline void plotAt(RenderCore& core, long double x, long double y, long double z) {
    core.setOrbit(x, y, z);
    core.plotStep();
}

// Runs the operations directly, as the headless renderer does.
class DirectDriver : public RenderCore::Driver {
  public:
    PictureSink* sink = nullptr;
    int restarts = 0, handOffs = 0;
    void synchronisedRestart(RenderCore& core) override {
        ++restarts;
        core.applyPendingSettings();
    }
    void synchronisedHandOff(RenderCore& core) override {
        ++handOffs;
        core.handOffPicture(sink);
    }
};

struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline Rgb pixelAt(const QImage& picture, int x, int y) {
    const std::uint8_t* p = picture.constScanLine(y) + 3 * x;
    return {p[2], p[1], p[0]};
}

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

} // namespace gyrelune::test
