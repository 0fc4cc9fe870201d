#include "core/viewGesture.h"

#include "formula/real48.h"
#include "formula/realToText.h"

#include <algorithm>
#include <cmath>

namespace gyrelune {

namespace {

int wrappedDegrees(int start, double pixels) {
    const int turned = start + int(std::lround(pixels * degreesPerPixel));
    return ((turned % 360) + 360) % 360;
}

} // namespace

std::array<int, 3> turnedAngles(const std::array<int, 3>& start, double dx, double dy,
                                bool aboutZ) {
    std::array<int, 3> angles = start;
    angles[0] = wrappedDegrees(start[0], dy);
    if (aboutZ)
        angles[2] = wrappedDegrees(start[2], dx);
    else
        angles[1] = wrappedDegrees(start[1], dx);
    return angles;
}

ViewPlace zoomedAbout(const ViewPlace& view, double notches, double column, double row, int width,
                      int height) {
    const long double across = column - width / 2, down = row - height / 2;
    const long double x = view.centreX + across / view.zoom;
    const long double y = view.centreY - down / view.zoom;
    ViewPlace zoomed = view;
    zoomed.zoom = view.zoom * std::pow(zoomPerNotch, (long double)notches);
    zoomed.centreX = x - across / zoomed.zoom;
    zoomed.centreY = y + down / zoomed.zoom;
    return zoomed;
}

ViewPlace movedBy(const ViewPlace& view, double dx, double dy) {
    ViewPlace moved = view;
    moved.centreX = view.centreX - dx / view.zoom;
    moved.centreY = view.centreY + dy / view.zoom;
    return moved;
}

std::string centreText(long double value, long double zoom) {
    const int needed = int(std::ceil(std::log10(std::max(std::fabs(zoom), 1.0L) * 10)));
    return realToText(std::clamp(needed, 3, 11), Real48::fromExtended(value));
}

} // namespace gyrelune
