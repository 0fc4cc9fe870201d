#include "core/parameterList.h"

#include <algorithm>

namespace gyrelune {

std::vector<std::string> collectParameterNames(const Formula& formulaX, const Formula& formulaY,
                                               const Formula& formulaZ) {
    std::vector<std::string> names;
    for (const Formula* formula : {&formulaX, &formulaY, &formulaZ})
        for (const Variable& variable : formula->variables()) {
            const std::string& name = variable.name;
            if (name == "x" || name == "y" || name == "z") continue;
            if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
        }
    return names;
}

ParameterList::ParameterList(WindowFactory factory, WindowRelease release)
    : factory_(std::move(factory)), release_(std::move(release)) {}

ParameterList::~ParameterList() = default;

AbstractParameterWindow& ParameterList::newWindow(const std::string& name) {
    windows_.push_back(factory_());
    AbstractParameterWindow& window = *windows_.back();
    window.initialise();
    window.setParamName(name);
    window.updateCaption();
    return window;
}

void ParameterList::retire(AbstractParameterWindow* window) {
    window->hideWindow();
    const auto owned = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const auto& w) { return w.get() == window; });
    if (owned == windows_.end()) return;
    std::unique_ptr<AbstractParameterWindow> released = std::move(*owned);
    windows_.erase(owned);
    if (release_)
        release_(std::move(released));
    else
        retired_.push_back(std::move(released));
}

void ParameterList::syncParameterWindows(const Formula& formulaX, const Formula& formulaY,
                                         const Formula& formulaZ) {
    const std::vector<std::string> names = collectParameterNames(formulaX, formulaY, formulaZ);
    const auto inUse = [&names](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };

    // Removing the last entry also drops the free slots before it, so the
    // walk may find the list shorter than it began.
    const std::size_t length = entries_.size();
    for (std::size_t i = 0; i < length && i < entries_.size(); ++i) {
        ParameterEntry& entry = entries_[i];
        if (!entry.live || inUse(entry.window->paramName())) continue;
        retire(entry.window);
        if (i + 1 == entries_.size()) {
            entries_.pop_back();
            while (!entries_.empty() && !entries_.back().live)
                entries_.pop_back();
        } else {
            entry = ParameterEntry{};
        }
    }

    for (const std::string& name : names) {
        if (findWindow(name)) continue;
        auto slot = std::find_if(entries_.begin(), entries_.end(),
                                 [](const ParameterEntry& e) { return !e.live; });
        AbstractParameterWindow& window = newWindow(name);
        if (slot == entries_.end()) {
            entries_.push_back({1, &window});
        } else {
            *slot = {1, &window};
        }
    }
}

void ParameterList::applyParameterValues(Formula& formulaX, Formula& formulaY, Formula& formulaZ) {
    for (const ParameterEntry& entry : entries_) {
        if (!entry.live) continue;
        AbstractParameterWindow& window = *entry.window;
        window.valueField().compileAndMark(); // malformed: marked, and its value is 0
        const Real48 value = window.valueField().field().value();
        for (Formula* formula : {&formulaX, &formulaY, &formulaZ})
            formula->setVariable(window.paramName(), value);
    }
}

void ParameterList::clearParameterWindows() {
    for (const ParameterEntry& entry : entries_)
        if (entry.live) retire(entry.window);
    entries_.clear();
}

AbstractParameterWindow& ParameterList::addParameterWindow(const std::string& name,
                                                           const std::string& minimumText,
                                                           const std::string& maximumText,
                                                           const std::string& valueText) {
    AbstractParameterWindow& window = newWindow(name);
    entries_.push_back({1, &window});
    window.minimumField().setText(minimumText);
    window.maximumField().setText(maximumText);
    window.valueField().setText(valueText);
    window.placeSlider();
    return window;
}

void ParameterList::showParameterWindows() {
    // -100 marks "no window placed yet"; a first window standing exactly at
    // top -100 therefore leaves the next one in its place too.
    constexpr int unplaced = -100;
    int top = unplaced, left = 0;
    for (const ParameterEntry& entry : entries_) {
        if (!entry.live) continue;
        AbstractParameterWindow& window = *entry.window;
        if (top == unplaced) {
            top = window.windowTop();
            left = window.windowLeft();
        } else {
            top += window.windowOuterHeight();
            window.moveWindow(left, top);
        }
        window.activate();
        window.showWindow();
    }
}

std::size_t ParameterList::liveCount() const {
    return std::size_t(std::count_if(entries_.begin(), entries_.end(),
                                     [](const ParameterEntry& e) { return e.live; }));
}

std::vector<AbstractParameterWindow*> ParameterList::liveWindows() const {
    std::vector<AbstractParameterWindow*> windows;
    for (const ParameterEntry& entry : entries_)
        if (entry.live) windows.push_back(entry.window);
    return windows;
}

AbstractParameterWindow* ParameterList::findWindow(const std::string& name) const {
    for (const ParameterEntry& entry : entries_)
        if (entry.live && entry.window->paramName() == name) return entry.window;
    return nullptr;
}

} // namespace gyrelune
