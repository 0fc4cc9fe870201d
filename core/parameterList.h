#pragma once
// The program-wide parameter list: one window per parameter of the three map
// formulas, in stacking and saving order. Free slots (live = 0) occur only
// before the last entry and are reused by the next new parameter.

#include "core/abstractParameterWindow.h"
#include "formula/formula.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gyrelune {

struct ParameterEntry {
    std::uint8_t live = 0;
    AbstractParameterWindow* window = nullptr; // null in a free slot
};

class ParameterList {
  public:
    // Creates a new window (hidden, not activated); the list runs its initialise.
    using WindowFactory = std::function<std::unique_ptr<AbstractParameterWindow>()>;

    // Takes a retired window. A window may still be running the handler that
    // led to its retirement, so one with handlers of its own frees itself once
    // that has returned. By default the list keeps retired windows until it goes.
    using WindowRelease = std::function<void(std::unique_ptr<AbstractParameterWindow>)>;

    explicit ParameterList(WindowFactory factory, WindowRelease release = {});
    ~ParameterList();
    ParameterList(const ParameterList&) = delete;
    ParameterList& operator=(const ParameterList&) = delete;

    // Draw, after the pending formulas were compiled: one window per parameter
    // name, stale windows closed, new names given fresh windows.
    void syncParameterWindows(const Formula& formulaX, const Formula& formulaY,
                              const Formula& formulaZ);
    // Draw, right after the sync: every live window's value into the formulas
    // that use its name. Throws FloatingPointOverflow.
    void applyParameterValues(Formula& formulaX, Formula& formulaY, Formula& formulaZ);
    // Document open: close every live window and empty the list.
    void clearParameterWindows();
    // Document open: a new live entry with the stored texts, slider placed.
    AbstractParameterWindow& addParameterWindow(const std::string& name,
                                                const std::string& minimumText,
                                                const std::string& maximumText,
                                                const std::string& valueText);
    // "Paraméterek": activates and shows the live windows stacked in a column.
    void showParameterWindows();

    const std::vector<ParameterEntry>& entries() const { return entries_; }
    std::size_t liveCount() const;
    // The live windows in list order (the document writer, tests).
    std::vector<AbstractParameterWindow*> liveWindows() const;
    // The live window of a name, or null.
    AbstractParameterWindow* findWindow(const std::string& name) const;

  private:
    AbstractParameterWindow& newWindow(const std::string& name);
    // Closes the window and lets go of it.
    void retire(AbstractParameterWindow* window);

    WindowFactory factory_;
    WindowRelease release_;
    std::vector<ParameterEntry> entries_;
    std::vector<std::unique_ptr<AbstractParameterWindow>> windows_; // the live ones
    std::vector<std::unique_ptr<AbstractParameterWindow>> retired_; // without a release
};

// The parameter names of three formulas: every variable other than x, y, z,
// X's first, then Y's and Z's not yet collected; exact comparison.
std::vector<std::string> collectParameterNames(const Formula& formulaX, const Formula& formulaY,
                                               const Formula& formulaZ);

} // namespace gyrelune
