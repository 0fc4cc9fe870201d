#pragma once
// The mouse on the picture, without widgets: a drag turns the figure, the
// wheel zooms about the point under the cursor, a middle drag moves the
// centre. Positions are in picture pixels; the picture maps a point (x, y) to
// column width / 2 + zoom (x - centreX) and row height / 2 - zoom (y - centreY).

#include <array>
#include <string>

namespace gyrelune {

struct ViewPlace {
    long double zoom = 1, centreX = 0, centreY = 0;
};

// Degrees turned per pixel of drag.
inline constexpr double degreesPerPixel = 0.5;
// The zoom's factor per wheel notch (one notch is 120 eighths of a degree).
inline constexpr long double zoomPerNotch = 1.25L;

// The angles (X, Y, Z, whole degrees 0..359) after a drag of (dx, dy) pixels
// from `start`: across turns about Y (about Z with Shift), down about X.
std::array<int, 3> turnedAngles(const std::array<int, 3>& start, double dx, double dy, bool aboutZ);

// The view after `notches` wheel notches (positive: nearer) with the cursor at
// (column, row) of a width x height picture: the point under it stays put.
ViewPlace zoomedAbout(const ViewPlace& view, double notches, double column, double row, int width,
                      int height);

// The view after the picture was dragged by (dx, dy) pixels.
ViewPlace movedBy(const ViewPlace& view, double dx, double dy);

// A centre's text with decimals enough for a tenth of a pixel at this zoom (at least 3).
std::string centreText(long double value, long double zoom);

} // namespace gyrelune
