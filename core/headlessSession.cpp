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
      parameters([] { return std::make_unique<HeadlessParameterWindow>(); }), state(sources()) {}

DrawSources HeadlessSession::sources() {
    DrawSources s;
    for (std::size_t i = 0; i < mainFields.size(); ++i)
        s.mainFields[i] = &mainFields[i];
    for (int i = 0; i < 3; ++i)
        s.angleFields[std::size_t(i)] = &rotation.angleField(i);
    s.parameters = &parameters;
    s.colourStops = &colourStops;
    s.background = &background;
    return s;
}

OpenTargets HeadlessSession::openTargets() {
    OpenTargets t;
    for (std::size_t i = 0; i < t.mainFields.size(); ++i)
        t.mainFields[i] = &mainFields[i];
    for (int i = 0; i < 3; ++i)
        t.angleFields[std::size_t(i)] = &rotation.angleField(i);
    t.colourStops = &colourStops;
    t.background = &background;
    t.parameters = &parameters;
    return t;
}

void HeadlessSession::open(const ReadResult& read, const std::string& fileName,
                           DrawServices& services) {
    rotation.watch.rotationActive = false;
    OpenTargets targets = openTargets();
    targets.coloursLoaded = [this, &fileName] { state.documentName = fileName; };
    applyOpenedDocument(read, targets);
    state.pictureReady = true;
    draw(services);
}

void startHeadlessDrawing(const ReadResult* document, const std::string& gainText, DrawServices& services) {
    HeadlessSession session;
    session.mainFields[6].setText(gainText);
    if (document)
        session.open(*document, {}, services);
    else
        session.draw(services);
}

DirectDrawServices::DirectDrawServices(RenderCore& core, int width, int height)
    : core_(core), width_(width), height_(height) {
    core_.setClientSize(width, height);
}

} // namespace gyrelune
