// "Fájl" > "Poszter mentése…": the poster dialog over the document as drawn.

#include "app/mainWindow.h"

#include "core/posterRender.h"
#include "render/renderCore.h"
#include "windows/posterDialog.h"

namespace gyrelune {

void MainWindow::savePoster() {
    if (closed_ || !state_->renderStarted) return;
    if (!posterDialog_) {
        // The settings are taken when the render starts: what the window draws then.
        posterDialog_ = new PosterDialog(this, [this](const PosterRequest& request) {
            const PosterDocument document{core().submitted(), imageClientWidth(),
                                          imageClientHeight()};
            return BackgroundJob::Work([document, request](JobControl& control) {
                return renderPoster(document, request, control);
            });
        });
    }
    posterDialog_->showForWindow({imageClientWidth(), imageClientHeight(), 0});
}

} // namespace gyrelune
