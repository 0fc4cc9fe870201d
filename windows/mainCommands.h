#pragma once
// How the windows reach the main window, and how the main window reaches the
// tool windows. The main window implements MainCommands; the rotation and
// colour windows implement their interfaces below and are plugged into
// ToolWindows at start-up, before the first command runs. Until a window is
// plugged in, the main window uses its defaults (angles "0", the default
// stops over black, parameter windows without a screen).

#include "core/editField.h"
#include "core/parameterList.h"
#include "core/viewGesture.h"
#include "render/colourStops.h"

#include <array>
#include <cstdint>

class QWidget;

namespace gyrelune {

class RenderCore;

// The main window's commands and state, as the other windows use them. Each
// command shows its own errors; callers need not guard.
class MainCommands {
  public:
    virtual ~MainCommands() = default;

    virtual void draw() = 0;                 // Draw
    virtual void centre() = 0;               // Centre
    virtual void showRotationWindow() = 0;   // "Forgat": activate and show the rotation window
    virtual void savePicture() = 0;          // "Kép mentése"
    virtual void showColourWindow() = 0;     // "Színek": repaint and show the colour window
    virtual void showParameterWindows() = 0; // "Paraméterek": stack and show the parameter windows
    virtual void showResolutionDialog() = 0; // "Felbontás": fill and show the resolution dialog
    virtual void showMainWindow() = 0;       // "Főablak"
    virtual void requestRestart() = 0;
    // The mouse on the picture. A gesture's redraws make one undo step, at its end.
    virtual void beginGesture() {}
    virtual void endGesture() {}
    // Zoom and centre as the fields hold them, and setting them (then Draw).
    virtual ViewPlace viewPlace() { return {}; }
    virtual void showViewPlace(const ViewPlace&) {}
    // The rotation angles in whole degrees, and setting them: the rotation
    // window's timer draws them.
    virtual std::array<int, 3> angles() { return {}; }
    virtual void turnTo(const std::array<int, 3>&) {}

    // Set at creation, after a document open and by every picture hand-off.
    virtual bool pictureReady() const = 0;
    virtual void setPictureReady() = 0;

    // The published depth range (the colour window's strip).
    virtual long double publishedZMax() const = 0;
    virtual long double publishedZMin() const = 0;

    // The render thread's pending settings and published values.
    virtual RenderCore& renderCore() = 0;
    // The program-wide parameter list.
    virtual ParameterList& parameterList() = 0;
    // The main window itself (owner of the parameter windows).
    virtual QWidget* mainWindow() = 0;
};

// The rotation window (RotationWindow) as Draw, "Forgat" and documents use it.
class AbstractRotationWindow {
  public:
    virtual ~AbstractRotationWindow() = default;
    virtual EditField& angleField(int axis) = 0; // 0: X, 1: Y, 2: Z
    virtual void setRotationActive(bool active) = 0;
    virtual QWidget* widget() = 0;
};

// The colour window (ColourWindow): the edited stop list and background.
class AbstractColourWindow {
  public:
    virtual ~AbstractColourWindow() = default;
    virtual ColourStops& colourStops() = 0;
    virtual std::int32_t& background() = 0;
    virtual void repaintSwatches() = 0;
    virtual QWidget* widget() = 0;
};

// The tool windows the main window drives; a null or empty member keeps the default.
struct ToolWindows {
    AbstractRotationWindow* rotation = nullptr;
    AbstractColourWindow* colours = nullptr;
    // Makes a parameter window (ParameterWindow) owned by the main window, hidden; the
    // parameter list runs its initialise.
    ParameterList::WindowFactory parameterWindowFactory;
};

} // namespace gyrelune
