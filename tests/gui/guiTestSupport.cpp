#include "guiTestSupport.h"

#include <QTest>

namespace gyrelune::test {

void GuiTest::waitForGate() {
    std::int32_t last = -1;
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(20);
        const std::int32_t now = core().published().pointCount;
        if (now == last) return;
        last = now;
    }
    FAIL() << "the render thread did not come to rest";
}

} // namespace gyrelune::test
