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

namespace gyrelune {

// The main window's seven fields, in their order on the window and in documents.
enum class MainField : std::size_t { formulaX, formulaY, formulaZ, zoom, centreX, centreY, gain };
inline constexpr std::size_t mainFieldCount = 7;
// The fields a document stores: all but the gain.
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

    EditField& field(MainField which) const { return *mainFields[std::size_t(which)]; }
};

} // namespace gyrelune
