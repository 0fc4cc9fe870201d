#include "core/settingsHistory.h"

namespace gyrelune {

void SettingsHistory::reset(const AtrDocument& settings) {
    states_.assign(1, settings);
    current_ = 0;
}

bool SettingsHistory::record(const AtrDocument& settings) {
    if (states_.empty()) {
        reset(settings);
        return false;
    }
    if (!settingsChanged(settings, states_[current_])) return false;
    states_.resize(current_ + 1);
    states_.push_back(settings);
    if (states_.size() > limit_) states_.erase(states_.begin());
    current_ = states_.size() - 1;
    return true;
}

const AtrDocument* SettingsHistory::undo() {
    if (!canUndo()) return nullptr;
    return &states_[--current_];
}

const AtrDocument* SettingsHistory::redo() {
    if (!canRedo()) return nullptr;
    return &states_[++current_];
}

bool settingsChanged(const AtrDocument& current, const AtrDocument& saved) {
    return current.texts != saved.texts || current.colourStops != saved.colourStops ||
           current.background != saved.background || current.parameters != saved.parameters ||
           current.gainText != saved.gainText;
}

} // namespace gyrelune
