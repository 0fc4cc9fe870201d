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
    return core.shownXMax != statusXMax || core.shownXMin != statusXMin ||
           core.shownYMax != statusYMax || core.shownYMin != statusYMin ||
           core.shownZMax != statusZMax || core.shownZMin != statusZMin;
}

std::string MainWindowState::updateStatusLine(const RenderCore& core) {
    statusXMax = core.shownXMax;
    statusXMin = core.shownXMin;
    statusYMax = core.shownYMax;
    statusYMin = core.shownYMin;
    statusZMax = core.shownZMax;
    statusZMin = core.shownZMin;
    return statusLineText(statusXMin, statusXMax, statusYMin, statusYMax, statusZMin, statusZMax);
}

std::string statusLineText(Real48 xMin, Real48 xMax, Real48 yMin, Real48 yMax, Real48 zMin,
                           Real48 zMax) {
    const auto range = [](const char* axis, Real48 low, Real48 high) {
        return std::string(axis) + " tartomány: [" + RealToText(3, low) + " , " +
               RealToText(3, high) + "]";
    };
    return std::string(17, ' ') + range("X", xMin, xMax) + "      " + range("Y", yMin, yMax) +
           "      " + range("Z", zMin, zMax);
}

} // namespace gyrelune
