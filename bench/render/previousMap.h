#pragma once
// What the frozen previous core needs from today's program, filled here: the
// three formulas through today's engine behind its map, and its settings for
// the default attractor.

#include "bench/previous/previousCore.h"
#include "formula/formula.h"
#include "render/pixelBuffer.h"

#include <cstring>

namespace gyrelune::bench {

// The three formulas compiled by today's engine, each given the whole old point.
class EngineOrbitMap : public previous::OrbitMap {
  public:
    explicit EngineOrbitMap(const char* const texts[3]) {
        const char* names[3] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            (void)formulas_[i].compile(texts[i]); // well formed
            for (int v = 0; v < 3; ++v)
                slots_[i][v] = formulas_[i].findVariable(names[v]);
        }
    }

    void step(const double point[3], long double next[3]) noexcept override {
        for (int i = 0; i < 3; ++i)
            for (int v = 0; v < 3; ++v)
                if (slots_[i][v] >= 0)
                    formulas_[i].setVariableAt(slots_[i][v], Real48::fromExactDouble(point[v]));
        EvaluationCode code;
        for (int i = 0; i < 3; ++i)
            next[i] = formulas_[i].evaluate(code);
    }

  private:
    Formula formulas_[3];
    int slots_[3][3];
};

// The default attractor on the previous core at side x side.
inline void setUpPrevious(previous::PreviousCore& core, previous::OrbitMap& map, int side) {
    core.setUp(side, side);
    previous::Settings settings = core.pendingSettings;
    settings.map = &map;
    settings.zoom = previous::Real48::fromExtended(111.78418L);
    settings.centreX = previous::Real48::fromExtended(0.290L);
    settings.centreY = previous::Real48::fromExtended(-0.362L);
    settings.gain = 1500;
    settings.background = 0;
    core.pendingSettings = settings;
    core.applyPendingSettings();
}

inline bool samePicture(const previous::PixelBuffer& before, const PixelBuffer& now) {
    return before.width() == now.width() && before.height() == now.height() &&
           before.stride() == now.stride() && before.byteCount() == now.byteCount() &&
           std::memcmp(before.bits(), now.bits(), now.byteCount()) == 0;
}

} // namespace gyrelune::bench
