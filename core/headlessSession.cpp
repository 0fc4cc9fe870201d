#include "core/headlessSession.h"

namespace gyrelune {

HeadlessSession::HeadlessSession()
    : mainFields{PlainEditField(MainWindowDefaults::formulaX),
                 PlainEditField(MainWindowDefaults::formulaY),
                 PlainEditField(MainWindowDefaults::formulaZ),
                 PlainEditField(MainWindowDefaults::zoom),
                 PlainEditField(MainWindowDefaults::centreX),
                 PlainEditField(MainWindowDefaults::centreY),
                 PlainEditField(MainWindowDefaults::gain)},
      colourStops(defaultColourStops()),
      parameters([] { return std::make_unique<HeadlessParameterWindow>(); }), state(wiring()) {}

SessionWiring HeadlessSession::wiring() {
    SessionWiring wiring;
    for (std::size_t i = 0; i < mainFields.size(); ++i)
        wiring.mainFields[i] = &mainFields[i];
    for (int i = 0; i < 3; ++i)
        wiring.angleFields[std::size_t(i)] = &rotation.angleField(i);
    wiring.parameters = &parameters;
    wiring.colourStops = &colourStops;
    wiring.background = &background;
    wiring.setRotationActive = [this](bool active) { rotation.watch.rotationActive = active; };
    return wiring;
}

void HeadlessSession::open(const ReadResult& read, const std::string& fileName,
                           DrawServices& services) {
    state.openDocument(read, fileName, wiring());
    state.pictureReady = true;
    draw(services);
}

void startHeadlessDrawing(const ReadResult* document, const std::string& gainText,
                          DrawServices& services) {
    HeadlessSession session;
    session.mainFields[std::size_t(MainField::gain)].setText(
        gainText.empty() ? MainWindowDefaults::gain : gainText);
    if (document) {
        // A gain given on the command line holds over the document's; the
        // picture's size is the caller's to choose (see takeDocumentPictureSize).
        ReadResult read = *document;
        if (!gainText.empty()) read.document.hasPicturePart = false;
        session.open(read, {}, services);
    } else
        session.draw(services);
}

void takeDocumentPictureSize(const ReadResult& document, int& width, int& height) {
    constexpr int largestSide = 4096;
    const AtrDocument& d = document.document;
    if (!d.hasPicturePart || d.pictureWidth < 1 || d.pictureHeight < 1 ||
        d.pictureWidth > largestSide || d.pictureHeight > largestSide)
        return;
    width = d.pictureWidth;
    height = d.pictureHeight;
}

DirectDrawServices::DirectDrawServices(RenderCore& core, int width, int height)
    : core_(core), width_(width), height_(height) {
    core_.setClientSize(width, height);
}

} // namespace gyrelune
