// The main window's two read-outs: points per second and the range line.
#include "core/mainWindowState.h"

#include "formula/realToText.h"

namespace gyrelune {

std::string MainWindowState::pointsPerSecondCaption(std::int32_t shownPointCount) {
    // The counter restarts at every restart, so the difference may be negative.
    const long long perSecond = (long long)shownPointCount - lastPointCount;
    lastPointCount = shownPointCount;
    return "Attraktor Kép       pont/sec: " + std::to_string(perSecond);
}

bool MainWindowState::statusLineStale(const RenderCore& core) const {
    return core.published().ranges != statusRanges;
}

std::string MainWindowState::updateStatusLine(const RenderCore& core) {
    statusRanges = core.published().ranges;
    return statusLineText(statusRanges);
}

std::string statusLineText(const Ranges& r) {
    const auto range = [](const char* axis, Real48 low, Real48 high) {
        return std::string(axis) + " tartomány: [" + realToText(3, low) + " , " +
               realToText(3, high) + "]";
    };
    return std::string(17, ' ') + range("X", r.xMin, r.xMax) + "      " +
           range("Y", r.yMin, r.yMax) + "      " + range("Z", r.zMin, r.zMax);
}

} // namespace gyrelune
