#include "app/mainWindow.h"

#include "app/attractorSearchCommand.h"
#include "render/pictureFile.h"
#include "render/renderThread.h"
#include "windows/aboutWindow.h"
#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"
#include "windows/filmDialog.h"
#include "windows/formulaLineEdit.h"
#include "windows/helpWindow.h"
#include "windows/imageWindow.h"
#include "windows/keyPreview.h"
#include "windows/resolutionDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace gyrelune {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromLatin1(MainWindowDefaults::caption));
    createControls();
    createMenu();
    initialise();
    previewKeys(this, [this](int key) { handleKey(key); });
    attractorSearch_ = std::make_unique<AttractorSearchCommand>(*this);
}

MainWindow::~MainWindow() {
    // The thread must not hand a picture to a window that is going away.
    thread_->shutdown();
}

void MainWindow::initialise() {
    pointsPerSecondTimer->stop();
    thread_ = std::make_unique<RenderThread>();
    // Its failure reasons end up in this window's error box.
    if (installedLanguage() == Language::english)
        thread_->core().setPictureWriter(pictureFileWriter(MessageLanguage::english));
    connect(thread_.get(), &RenderThread::saveFailed, this, &MainWindow::showSaveFailure);
    parameterList_ = std::make_unique<ParameterList>(
        [this] { return newParameterWindow(); },
        [](std::unique_ptr<AbstractParameterWindow> window) {
            // Freed once back in the event loop, after the handler that retired it.
            if (auto* object = dynamic_cast<QObject*>(window.get())) {
                object->deleteLater();
                (void)window.release();
            }
        });
    // Takes the used texts, then compiles and marks the seven fields; the tool
    // windows are plugged in later (WindowSet), before the first command.
    state_ = std::make_unique<MainWindowState>(fieldsWiring());
    state_->pictureReady = true;
}

void MainWindow::setWindows(const Windows& windows) {
    windows_ = windows;
    thread_->setPictureSink(windows.image);
}

SessionWiring MainWindow::fieldsWiring() {
    SessionWiring wiring;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        wiring.mainFields[i] = fields_[i].get();
    wiring.parameters = parameterList_.get();
    return wiring;
}

SessionWiring MainWindow::wiring() {
    SessionWiring wiring = fieldsWiring();
    for (int axis = 0; axis < 3; ++axis)
        wiring.angleFields[std::size_t(axis)] = &tools_.rotation->angleField(axis);
    wiring.colourStops = &tools_.colours->colourStops();
    wiring.background = &tools_.colours->background();
    wiring.setRotationActive = [this](bool active) { tools_.rotation->setRotationActive(active); };
    wiring.coloursLoaded = [this] { tools_.colours->repaintSwatches(); };
    wiring.pictureSize = [this] {
        const QSize size = windows_.image ? windows_.image->pictureSize() : QSize();
        return std::pair<int, int>(size.width(), size.height());
    };
    wiring.setPictureSize = [this](int width, int height) {
        if (windows_.image) windows_.image->setPictureSize(width, height);
    };
    return wiring;
}

std::unique_ptr<AbstractParameterWindow> MainWindow::newParameterWindow() {
    return tools_.parameterWindowFactory();
}

// ---- Draw, Centre, Stop/Continue.

void MainWindow::draw() {
    if (closed_) return;
    runCommand(this, [this] { state_->draw(wiring(), *this); });
    recordStep();
}

void MainWindow::centre() {
    if (closed_) return;
    runCommand(this, [this] { state_->centre(wiring(), *this); });
    recordStep();
}

void MainWindow::toggleStop() {
    if (closed_) return;
    runCommand(this, [this] {
        const std::string caption = state_->stopOrContinue(*this);
        if (caption.empty()) return;
        stopButton->setText(QString::fromStdString(caption));
        stopButton->repaint();
        // Stopped, the rate is 0 rather than the last one measured.
        if (state_->drawingStopped && windows_.image)
            windows_.image->setWindowTitle(
                QString::fromStdString(state_->pointsPerSecondCaption(state_->lastPointCount)));
    });
}

void MainWindow::handleKey(int key) {
    if (key == vkReturn) draw();
    if (key == vkMenu) centre();
}

// ---- Read-outs.

void MainWindow::showPointsPerSecond() {
    const std::int32_t count = core().published().pointCount;
    windows_.image->setWindowTitle(QString::fromStdString(state_->pointsPerSecondCaption(count)));
}

void MainWindow::refreshStatusLine() {
    if (state_->statusLineStale(core())) updateStatusLine();
}

void MainWindow::updateStatusLine() {
    statusLine->setText(QString::fromStdString(state_->updateStatusLine(core())));
    statusLine->repaint();
}

// ---- Commands that forward.

void MainWindow::showRotationWindow() {
    if (!tools_.rotation) return;
    tools_.rotation->setRotationActive(true);
    tools_.rotation->widget()->show();
    tools_.rotation->widget()->raise();
}

void MainWindow::savePicture() {
    if (closed_) return;
    runCommand(this, [this] {
        if (!state_->renderStarted) return;
        const QString name =
            askSaveFileName(this, {{tr("JPG képfájl (*.jpg)"), tr("BMP bitmapfájl (*.bmp)")},
                                   QStringLiteral("jpg")});
        if (name.isEmpty()) return;
        repaint();
        core().requestSave(QFile::encodeName(name).toStdString());
    });
}

void MainWindow::showSaveFailure(const QString& fileName, const QString& reason) {
    showError(this, tr("A kép nem készült el:\n%1\n(%2)").arg(fileName, reason));
}

void MainWindow::closeMainWindow() {
    close();
}

void MainWindow::showColourWindow() {
    if (!tools_.colours) return;
    tools_.colours->repaintSwatches();
    tools_.colours->widget()->show();
    tools_.colours->widget()->raise();
}

void MainWindow::showParameterWindows() {
    runCommand(this, [this] { parameterList_->showParameterWindows(); });
}

void MainWindow::showResolutionDialog() {
    windows_.resolution->showForImageWindow();
}

void MainWindow::showHelp() {
    windows_.help->show();
    windows_.help->raise();
}

void MainWindow::showAbout() {
    windows_.about->show();
    windows_.about->raise();
}

void MainWindow::chooseLanguage(Language language) {
    if (language == savedLanguage()) return;
    saveLanguage(language);
    // Not modal, so nothing waits on it.
    auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationDisplayName(),
                                tr("A nyelv a program következő indításakor vált át.\n"
                                   "The language changes when the program next starts."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::showMainWindow() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::requestRestart() {
    core().requestRestart();
}

long double MainWindow::publishedZMax() const {
    return thread_->core().published().ranges.zMax.toExtended();
}

long double MainWindow::publishedZMin() const {
    return thread_->core().published().ranges.zMin.toExtended();
}

RenderCore& MainWindow::renderCore() {
    return thread_->core();
}

// ---- Closing.

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscardSettings()) {
        event->ignore();
        return;
    }
    stopForClosing();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::stopForClosing() {
    if (closed_) return;
    closed_ = true;
    if (pointsPerSecondTimer->isActive()) pointsPerSecondTimer->stop();
    if (state_->renderStarted && !thread_->isSuspended()) thread_->suspendThread();
    // Ending the loop now rather than with the process leaves no thread behind.
    thread_->shutdown();
}

FilmDialog& MainWindow::filmDialog() {
    if (!filmDialog_) {
        FilmDialog::Source source;
        // The settings of the last Draw; the UI thread is the one that writes them.
        source.settings = [this] { return core().submitted(); };
        source.label = [this] {
            const std::string& name = state_->documentName;
            return name.substr(name.find_last_of('/') + 1);
        };
        source.windowSize = [this] { return QSize(imageClientWidth(), imageClientHeight()); };
        filmDialog_ = std::make_unique<FilmDialog>(std::move(source), this);
    }
    return *filmDialog_;
}

void MainWindow::showFilmDialog() {
    FilmDialog& dialog = filmDialog();
    dialog.show();
    dialog.raise();
}

// ---- DrawServices.

RenderCore& MainWindow::core() {
    return thread_->core();
}

int MainWindow::imageClientWidth() const {
    return windows_.image->pictureSize().width();
}

int MainWindow::imageClientHeight() const {
    return windows_.image->pictureSize().height();
}

void MainWindow::resumeThread() {
    thread_->resumeThread();
}

void MainWindow::suspendThread() {
    thread_->suspendThread();
}

bool MainWindow::threadSuspended() const {
    return thread_->isSuspended();
}

void MainWindow::setPointsPerSecondTimerEnabled(bool enabled) {
    if (enabled && !pointsPerSecondTimer->isActive()) pointsPerSecondTimer->start();
    if (!enabled) pointsPerSecondTimer->stop();
}

} // namespace gyrelune
