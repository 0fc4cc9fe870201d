#include "app/windowSet.h"

#include "app/documentDrops.h"
#include "app/framePlacement.h"
#include "app/mainWindow.h"
#include "render/renderThread.h"
#include "windows/aboutWindow.h"
#include "windows/colourWindow.h"
#include "windows/helpWindow.h"
#include "windows/imageWindow.h"
#include "windows/parameterWindow.h"
#include "windows/resolutionDialog.h"
#include "windows/rotationWindow.h"

#include <QWindow>

namespace gyrelune {

WindowSet::WindowSet() {
    main_ = std::make_unique<MainWindow>();
    MainWindow* main = main_.get();
    rotation_ = new RotationWindow(*main, main);
    colours_ = new ColourWindow(*main, main);
    main_->setToolWindows(
        {rotation_, colours_, [main] { return std::make_unique<ParameterWindow>(*main); }});
    resolution_ = new ResolutionDialog(main_.get());
    resolution_->move(132, 149);
    help_ = std::make_unique<HelpWindow>();
    help_->move(413, 30);
    about_ = std::make_unique<AboutWindow>();
    about_->move(469, 91);
    image_ = std::make_unique<ImageWindow>(*main_);
    resolution_->setImageWindow(*image_);
    main_->setWindows({resolution_, help_.get(), about_.get(), image_.get()});
    main_->startHistory();
    const OpenDocument open = [main](const QString& name) { main->openDocumentNamed(name); };
    acceptDocumentDrops(*main_, open);
    acceptDocumentDrops(*image_, open);
}

WindowSet::~WindowSet() {
    // The render thread ends before the window it draws into goes; then the
    // windows go in the reverse order of their making.
    main_->renderThread().shutdown();
    image_.reset();
    about_.reset();
    help_.reset();
    main_.reset();
}

void WindowSet::show() {
    auto* mainPlacement = new FramePlacement(main_.get(), mainPosition);
    mainPlacement->show({});
    // Until the image window's own frame is known, the main window's is the best guess.
    const QMargins mainFrame = main_->windowHandle()->frameMargins();
    auto* imagePlacement = new FramePlacement(image_.get(), imagePosition, imageOuterSize);
    imagePlacement->show(mainFrame);
}

void WindowSet::start(const QString& document) {
    main_->startHistory();
    show();
    if (!document.isEmpty()) main_->openDocumentNamed(document);
}

} // namespace gyrelune
