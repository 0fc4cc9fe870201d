#pragma once
// Undo and redo over whole set-ups. A step is recorded per Draw that changed
// the settings, per document opened, per search result and per finished mouse
// gesture; undoing gives back the settings before it. The settings are kept
// as the document that would be saved.

#include "core/atrDocument.h"

#include <cstddef>
#include <vector>

namespace gyrelune {

class SettingsHistory {
  public:
    explicit SettingsHistory(std::size_t limit = 200) : limit_(limit) {}

    // Starts afresh at these settings: nothing to undo or redo.
    void reset(const AtrDocument& settings);
    // Records the settings as a new step when they differ from the current
    // ones; a new step clears what could be redone. True when recorded.
    bool record(const AtrDocument& settings);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    // The settings to restore; null when there is nothing to undo or redo.
    const AtrDocument* undo();
    const AtrDocument* redo();

  private:
    std::vector<AtrDocument> states_;
    std::size_t current_ = 0;
    std::size_t limit_;
};

// Whether the settings differ from those last saved or opened: everything a
// document stores but the picture size (resizing the window is not an edit).
bool settingsChanged(const AtrDocument& current, const AtrDocument& saved);

} // namespace gyrelune
