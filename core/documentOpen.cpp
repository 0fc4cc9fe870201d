#include "core/documentOpen.h"

#include <stdexcept>
#include <tuple>

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
    if (!document.hasPicturePart) return;
    wiring.field(MainField::gain).setText(document.gainText);
    if (wiring.setPictureSize) wiring.setPictureSize(document.pictureWidth, document.pictureHeight);
}

namespace {

bool sameParameterNames(const std::vector<StoredParameter>& stored,
                        const std::vector<AbstractParameterWindow*>& live) {
    if (stored.size() != live.size()) return false;
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (stored[i].name != live[i]->paramName()) return false;
    return true;
}

} // namespace

void restoreSettings(const AtrDocument& settings, const SessionWiring& wiring) {
    for (std::size_t i = 0; i < storedMainFieldCount; ++i)
        wiring.mainFields[i]->setText(settings.texts[i]);
    wiring.field(MainField::gain).setText(settings.gainText);
    for (std::size_t i = 0; i < wiring.angleFields.size(); ++i)
        wiring.angleFields[i]->setText(settings.texts[storedMainFieldCount + i]);
    *wiring.colourStops = settings.colourStops;
    *wiring.background = settings.background;
    if (wiring.coloursLoaded) wiring.coloursLoaded();
    const std::vector<AbstractParameterWindow*> live = wiring.parameters->liveWindows();
    if (!sameParameterNames(settings.parameters, live)) {
        wiring.parameters->clearParameterWindows();
        for (const StoredParameter& parameter : settings.parameters)
            wiring.parameters->addParameterWindow(parameter.name, parameter.minimumText,
                                                  parameter.maximumText, parameter.valueText);
        return;
    }
    for (std::size_t i = 0; i < live.size(); ++i) {
        live[i]->minimumField().setText(settings.parameters[i].minimumText);
        live[i]->maximumField().setText(settings.parameters[i].maximumText);
        live[i]->setValueText(settings.parameters[i].valueText);
    }
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
    document.gainText = wiring.field(MainField::gain).text();
    if (wiring.pictureSize) {
        std::tie(document.pictureWidth, document.pictureHeight) = wiring.pictureSize();
        document.hasPicturePart = document.pictureWidth > 0 && document.pictureHeight > 0;
    }
    return document;
}

} // namespace gyrelune
