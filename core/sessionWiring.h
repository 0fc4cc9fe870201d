#pragma once
// How the fields and tool windows reach the core: one structure, filled by the
// main window from its widgets and by the headless session from plain fields.

#include "core/editField.h"
#include "core/parameterList.h"
#include "render/colourStops.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace gyrelune {

// The main window's seven fields, in their order on the window and in documents.
enum class MainField : std::size_t { formulaX, formulaY, formulaZ, zoom, centreX, centreY, gain };
inline constexpr std::size_t mainFieldCount = 7;
// The fields of a document's first lines: all but the gain (stored in its picture part).
inline constexpr std::size_t storedMainFieldCount = 6;

struct SessionWiring {
    std::array<EditField*, mainFieldCount> mainFields{}; // indexed by MainField
    std::array<EditField*, 3> angleFields{};             // rotation window X, Y, Z
    ParameterList* parameters = nullptr;
    ColourStops* colourStops = nullptr; // the colour window's list
    std::int32_t* background = nullptr; // and background
    // The rotation window's timer-driven redraw; empty: no rotation window.
    std::function<void(bool active)> setRotationActive;
    // An opened document's colours are in place: the colour window repaints.
    std::function<void()> coloursLoaded;
    // The picture's size in pixels, and setting it; empty: a document then
    // stores no picture part and an opened one's size is not applied.
    std::function<std::pair<int, int>()> pictureSize;
    std::function<void(int width, int height)> setPictureSize;

    EditField& field(MainField which) const { return *mainFields[std::size_t(which)]; }
};

} // namespace gyrelune
