#pragma once
// Runs a loop pass's synchronised calls directly on the calling thread: for a
// core that no window shows (the headless renderer), so hand-offs only publish.

#include "render/renderCore.h"

namespace gyrelune {

class DirectDriver : public RenderCore::Driver {
  public:
    void synchronisedRestart(RenderCore& core) override { core.applyPendingSettings(); }
    void synchronisedHandOff(RenderCore& core) override { core.handOffPicture(nullptr); }
};

} // namespace gyrelune
