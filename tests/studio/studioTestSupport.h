#pragma once
// The default attractor as a studio render's document, small and quick.

#include "render/colourStops.h"
#include "studio/studioSettings.h"

namespace gyrelune {

inline Formula compiled(const char* text) {
    Formula f;
    (void)f.compile(text);
    return f;
}

inline StudioSettings smallStudioSettings() {
    StudioSettings s;
    s.document.formulaX = compiled("sin(x*y*4.36/pi)+y*0.453+0.45");
    s.document.formulaY = compiled("1.795*cos(x)-1.5324*sin(x*1.65/pi)");
    s.document.formulaZ = compiled("1.93*cos(y*x)+0.49*sin(x)");
    s.document.colours = defaultColourStops();
    s.document.zoom = Real48::fromExtended(111.78418L);
    s.document.centreX = Real48::fromExtended(0.29L);
    s.document.centreY = Real48::fromExtended(-0.362L);
    s.document.angleX = Real48::fromExtended(0.3L);
    s.document.gain = 1500;
    s.width = 48;
    s.height = 36;
    s.orbitLength = 2000;
    s.transient = 50;
    s.points = 8 * 2000;
    return s;
}

} // namespace gyrelune
