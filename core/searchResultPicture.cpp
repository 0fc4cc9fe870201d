#include "core/searchResultPicture.h"

#include "core/documentOpen.h"
#include "core/headlessSession.h"
#include "render/directDriver.h"

#include <algorithm>

namespace gyrelune {
namespace {

void runSteps(RenderCore& core, int steps) {
    core.applyPendingSettings();
    DirectDriver driver;
    for (int i = 0; i < steps; ++i)
        core.executePass(driver);
}

} // namespace

ResultPicture drawSearchResult(const SearchSetup& setup, const SearchResult& result,
                               const ResultPictureSize& size) {
    RandomGenerator random;
    RenderCore core(random);
    DirectDrawServices services(core, size.width, size.height);
    HeadlessSession session;
    session.open({resultDocument(setup, result), ReadStage::complete, {}}, {}, services);
    runSteps(core, size.fitSteps);
    session.centre(services);
    ResultPicture picture;
    const RenderSettings& pending = core.submitted();
    picture.document = documentToSave(session.wiring(), pending.colours, pending.background);

    const int longer = std::max(size.width, size.height);
    DirectDrawServices thumbnail(core, std::max(1, size.width * size.thumbnailSide / longer),
                                 std::max(1, size.height * size.thumbnailSide / longer));
    session.centre(thumbnail);
    runSteps(core, size.thumbnailSteps);
    picture.thumbnail = core.picture();
    return picture;
}

} // namespace gyrelune
