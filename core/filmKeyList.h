#pragma once
// The film dialog without its widgets: the keyframes collected from the
// program's settings, their order and times, and the film they make.

#include "render/renderSettings.h"
#include "studio/film/filmPlan.h"

#include <string>
#include <vector>

namespace gyrelune {

struct FilmKeyEntry {
    RenderSettings settings;
    std::string label; // the document's name, or empty
};

class FilmKeyList {
  public:
    // False (and nothing added) when the formulas differ from the keys' so far.
    bool add(RenderSettings settings, std::string label);
    void remove(int index);
    // Swaps the key with the one before (up) or after it; false at the ends.
    bool moveUp(int index);
    bool moveDown(int index);

    const std::vector<FilmKeyEntry>& entries() const { return entries_; }
    int size() const { return int(entries_.size()); }

    // When each key shows in a film of seconds, the keys evenly spread; a loop
    // leaves the last stretch for the way back to the first key.
    std::vector<double> keyTimes(double seconds, bool loop) const;
    FilmPlan plan(int frameCount, bool loop, FilmEase ease) const;

  private:
    std::vector<FilmKeyEntry> entries_;
};

} // namespace gyrelune
