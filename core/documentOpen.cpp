#include "core/documentOpen.h"

#include <stdexcept>

namespace gyrelune {

void applyOpenedDocument(const ReadResult& read, const SessionWiring& wiring,
                         const std::function<void()>& coloursLoaded) {
    const auto failed = [&read] { throw std::runtime_error(read.error); };
    if (read.stage == ReadStage::nothing) failed();

    const AtrDocument& document = read.document;
    for (std::size_t i = 0; i < storedMainFieldCount; ++i)
        wiring.mainFields[i]->setText(document.texts[i]);
    for (std::size_t i = 0; i < wiring.angleFields.size(); ++i)
        wiring.angleFields[i]->setText(document.texts[storedMainFieldCount + i]);
    if (read.stage == ReadStage::texts) failed();

    *wiring.colourStops = document.colourStops;
    *wiring.background = document.background;
    if (coloursLoaded) coloursLoaded();
    wiring.parameters->clearParameterWindows();
    if (read.stage == ReadStage::background) failed();

    for (const StoredParameter& parameter : document.parameters)
        wiring.parameters->addParameterWindow(parameter.name, parameter.minimumText,
                                              parameter.maximumText, parameter.valueText);
}

AtrDocument documentToSave(const SessionWiring& wiring, const ColourStops& pendingColours,
                           std::int32_t pendingBackground) {
    AtrDocument document;
    for (std::size_t i = 0; i < storedMainFieldCount; ++i)
        document.texts[i] = wiring.mainFields[i]->text();
    for (std::size_t i = 0; i < wiring.angleFields.size(); ++i)
        document.texts[storedMainFieldCount + i] = wiring.angleFields[i]->text();
    document.colourStops = pendingColours;
    document.background = pendingBackground;
    document.hasParameterPart = true;
    for (AbstractParameterWindow* window : wiring.parameters->liveWindows())
        document.parameters.push_back({window->paramName(), window->minimumField().text(),
                                       window->maximumField().text(), window->valueField().text()});
    return document;
}

} // namespace gyrelune
