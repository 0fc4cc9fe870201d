#include "fuzz/core/documentFuzzCheck.h"

#include "core/atrDocument.h"
#include "core/documentWarnings.h"
#include "core/headlessSession.h"
#include "render/directDriver.h"
#include "render/renderCore.h"

#include <cstdlib>
#include <exception>
#include <string_view>

namespace gyrelune {
namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Every entry needs at least one line of its own in the file.
void checkBounds(const ReadResult& read, std::size_t size) {
    require(read.document.colourStops.size() <= size);
    require(read.document.parameters.size() <= size);
    require(read.stage != ReadStage::nothing);
    require(read.error.empty() == (read.stage == ReadStage::complete));
}

void checkRoundTrip(const ReadResult& read) {
    if (read.stage != ReadStage::complete) return;
    AtrDocument expected = read.document;
    expected.hasParameterPart = true;
    const ReadResult again = parseAtrDocument(formatAtrDocument(expected));
    require(again.stage == ReadStage::complete);
    require(again.document == expected);
}

} // namespace

void checkDocumentBytes(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult read = parseAtrDocument(bytes);
    checkBounds(read, size);
    checkRoundTrip(read);
    require(documentWarnings(bytes).size() <= 6);

    RenderCore core;
    DirectDrawServices services(core, 16, 12);
    try {
        startHeadlessDrawing(&read, "1500", services);
    } catch (const std::exception&) {
        return; // reported by the program's error box
    }
    core.applyPendingSettings();
    DirectDriver driver;
    for (int pass = 0; pass < 20; ++pass)
        core.executePass(driver);
}

} // namespace gyrelune
