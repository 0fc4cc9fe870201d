#pragma once
// The program's window set without windows, and the one road from a set-up's
// texts to the render core's pending settings: the texts are put into their
// fields as opening a document does, then Draw runs.

#include "core/atrDocument.h"
#include "core/documentOpen.h"
#include "core/editField.h"
#include "core/mainWindowState.h"
#include "core/parameterList.h"
#include "core/rotationModel.h"

#include <array>
#include <string>

namespace gyrelune {

class HeadlessSession {
  public:
    // The windows as the program starts: default fields, colours and background,
    // angles 0, no parameters.
    HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    std::array<PlainEditField, 7> mainFields;
    RotationModel rotation;
    ColourStops colourStops;
    std::int32_t background = 0;
    ParameterList parameters;
    MainWindowState state;

    SessionWiring wiring();
    // Open without the dialog: applies the read and, when complete, draws.
    // Throws the read's error after applying what came before it.
    void open(const ReadResult& read, const std::string& fileName, DrawServices& services);
    void draw(DrawServices& services) { state.draw(wiring(), services); }
    void centre(DrawServices& services) { state.centre(wiring(), services); }
};

// Fresh program, gain field := gainText (empty: the document's gain, else the
// default), the document (if any) opened, and the first Draw. Throws what the
// open or Draw raise.
void startHeadlessDrawing(const ReadResult* document, const std::string& gainText,
                          DrawServices& services);

// width and height become the picture size the document was saved with,
// where it has one the image window can show (each side 1 to 4096).
void takeDocumentPictureSize(const ReadResult& document, int& width, int& height);

// Services for driving a render core directly: a fixed client size, no thread.
class DirectDrawServices : public DrawServices {
  public:
    DirectDrawServices(RenderCore& core, int width, int height);
    RenderCore& core() override { return core_; }
    int imageClientWidth() const override { return width_; }
    int imageClientHeight() const override { return height_; }
    void resumeThread() override { suspended_ = false; }
    void suspendThread() override { suspended_ = true; }
    bool threadSuspended() const override { return suspended_; }
    void setPointsPerSecondTimerEnabled(bool enabled) override {
        pointsPerSecondTimerEnabled_ = enabled;
    }
    bool pointsPerSecondTimerEnabled() const { return pointsPerSecondTimerEnabled_; }

  private:
    RenderCore& core_;
    int width_, height_;
    bool suspended_ = true;
    bool pointsPerSecondTimerEnabled_ = false;
};

} // namespace gyrelune
