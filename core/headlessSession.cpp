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
    session.mainFields[std::size_t(MainField::gain)].setText(gainText);
    if (document) {
        // The command line's gain and size hold over a document's picture part.
        ReadResult read = *document;
        read.document.hasPicturePart = false;
        session.open(read, {}, services);
    } else
        session.draw(services);
}

DirectDrawServices::DirectDrawServices(RenderCore& core, int width, int height)
    : core_(core), width_(width), height_(height) {
    core_.setClientSize(width, height);
}

} // namespace gyrelune
