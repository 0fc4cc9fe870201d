// The main window's two read-outs: points per second and the range line.
#include "core/mainWindowState.h"

#include "core/uiText.h"
#include "formula/realToText.h"

#include <algorithm>

namespace gyrelune {

std::string MainWindowState::pointsPerSecondCaption(std::int32_t shownPointCount) {
    // The counter starts again from 0 at a restart: then it counts from there.
    const long long perSecond = shownPointCount >= lastPointCount
                                    ? (long long)shownPointCount - lastPointCount
                                    : (long long)std::max<std::int32_t>(shownPointCount, 0);
    lastPointCount = shownPointCount;
    return translate("gyrelune::ImageWindow", "Attraktor Kép       pont/sec: ") +
           std::to_string(perSecond);
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
        return std::string(axis) + " " + translate("gyrelune::MainWindow", "tartomány") + ": [" +
               realToText(3, low) + " , " + realToText(3, high) + "]";
    };
    return std::string(17, ' ') + range("X", r.xMin, r.xMax) + "      " +
           range("Y", r.yMin, r.yMax) + "      " + range("Z", r.zMin, r.zMax);
}

} // namespace gyrelune
