#include "core/documentOpen.h"

#include <stdexcept>

namespace gyrelune {

void applyOpenedDocument(const ReadResult& read, const OpenTargets& targets) {
    const auto failed = [&read] { throw std::runtime_error(read.error); };
    if (read.stage == ReadStage::nothing) failed();

    const AtrDocument& document = read.document;
    for (std::size_t i = 0; i < targets.mainFields.size(); ++i)
        targets.mainFields[i]->setText(document.texts[i]);
    for (std::size_t i = 0; i < targets.angleFields.size(); ++i)
        targets.angleFields[i]->setText(document.texts[6 + i]);
    if (read.stage == ReadStage::texts) failed();

    *targets.colourStops = document.colourStops;
    *targets.background = document.background;
    if (targets.coloursLoaded) targets.coloursLoaded();
    targets.parameters->clearParameterWindows();
    if (read.stage == ReadStage::background) failed();

    for (const StoredParameter& parameter : document.parameters)
        targets.parameters->addParameterWindow(parameter.name, parameter.minimumText,
                                               parameter.maximumText, parameter.valueText);
}

AtrDocument documentToSave(const std::array<EditField*, 6>& mainFields,
                           const std::array<EditField*, 3>& angleFields,
                           const ColourStops& pendingColours, std::int32_t pendingBackground,
                           const ParameterList& parameters) {
    AtrDocument document;
    for (std::size_t i = 0; i < mainFields.size(); ++i)
        document.texts[i] = mainFields[i]->text();
    for (std::size_t i = 0; i < angleFields.size(); ++i)
        document.texts[6 + i] = angleFields[i]->text();
    document.colourStops = pendingColours;
    document.background = pendingBackground;
    document.hasParameterPart = true;
    for (AbstractParameterWindow* window : parameters.liveWindows())
        document.parameters.push_back({window->paramName(), window->minimumField().text(),
                                       window->maximumField().text(), window->valueField().text()});
    return document;
}

} // namespace gyrelune
