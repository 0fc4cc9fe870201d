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

// Malformed texts too: the renderer draws what they evaluate to.
inline void setFormula(Formula& f, const std::string& text) {
    (void)f.compile(text);
}

// What a Draw writes, ending with the restart request.
inline void writePending(RenderCore& core, const Settings& s) {
    RenderSettings pending;
    setFormula(pending.formulaX, s.x);
    setFormula(pending.formulaY, s.y);
    setFormula(pending.formulaZ, s.z);
    pending.zoom = Real48::fromExtended(s.zoom);
    pending.centreX = Real48::fromExtended(s.centreX);
    pending.centreY = Real48::fromExtended(s.centreY);
    pending.gain = s.gain;
    pending.angleX = Real48::fromExtended(s.angleX);
    pending.angleY = Real48::fromExtended(s.angleY);
    pending.angleZ = Real48::fromExtended(s.angleZ);
    pending.colours = s.stops;
    pending.background = s.background;
    core.submit(std::move(pending));
    core.requestRestart();
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

inline Rgb pixelAt(const PixelBuffer& picture, int x, int y) {
    const std::uint8_t* p = picture.row(y) + 3 * x;
    return {p[2], p[1], p[0]};
}

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

} // namespace gyrelune::test
