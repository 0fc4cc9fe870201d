#include "core/filmKeyList.h"

#include <utility>

namespace gyrelune {

bool FilmKeyList::add(RenderSettings settings, std::string label) {
    if (!entries_.empty()) {
        const RenderSettings& first = entries_.front().settings;
        if (settings.formulaX.text != first.formulaX.text ||
            settings.formulaY.text != first.formulaY.text ||
            settings.formulaZ.text != first.formulaZ.text)
            return false;
    }
    entries_.push_back({std::move(settings), std::move(label)});
    return true;
}

void FilmKeyList::remove(int index) {
    if (index >= 0 && index < size()) entries_.erase(entries_.begin() + index);
}

bool FilmKeyList::moveUp(int index) {
    if (index < 1 || index >= size()) return false;
    std::swap(entries_[std::size_t(index)], entries_[std::size_t(index - 1)]);
    return true;
}

bool FilmKeyList::moveDown(int index) {
    return moveUp(index + 1);
}

std::vector<double> FilmKeyList::keyTimes(double seconds, bool loop) const {
    std::vector<double> times;
    const int stretches = size() - (loop ? 0 : 1);
    for (int k = 0; k < size(); ++k)
        times.push_back(stretches > 0 ? seconds * k / stretches : 0);
    return times;
}

FilmPlan FilmKeyList::plan(int frameCount, bool loop, FilmEase ease) const {
    FilmPlan plan;
    for (const FilmKeyEntry& entry : entries_)
        plan.keys.push_back(entry.settings);
    plan.frameCount = frameCount;
    plan.loop = loop;
    plan.ease = ease;
    return plan;
}

} // namespace gyrelune
