#include "attrakt.h"

#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit9.h"
#include "commandGuard.h"
#include "fileDialogs.h"
#include "keyPreview.h"
#include "renderThread.h"
#include "strFunct.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace gyrelune {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromLatin1(MainWindowDefaults::caption));
    createControls();
    createMenu();
    FormCreate();
    keyPreview_ = new KeyPreview(this, [this](int key) { FormKeyDown(key); });
}

TForm1::~TForm1() {
    // The thread must not hand a picture to a window that is going away.
    thread_->shutdown();
}

void TForm1::FormCreate() {
    Timer1->stop();
    thread_ = std::make_unique<TattrSzal>();
    connect(thread_.get(), &TattrSzal::saveFailed, this, &TForm1::showSaveFailure);
    parameterList_ = std::make_unique<ParameterList>([this] { return newParameterWindow(); });
    // Takes the used texts, then compiles and marks the seven fields.
    state_ = std::make_unique<MainWindowState>(sources());
    state_->pictureReady = true;
}

void TForm1::setWindows(const Windows& windows) {
    windows_ = windows;
    thread_->setPictureSink(windows.image);
}

DrawSources TForm1::sources() {
    DrawSources sources;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        sources.mainFields[i] = fields_[i].get();
    for (int axis = 0; axis < 3; ++axis)
        sources.angleFields[std::size_t(axis)] = tools_.rotation
                                                     ? &tools_.rotation->angleField(axis)
                                                     : &defaultAngles_[std::size_t(axis)];
    sources.parameters = parameterList_.get();
    sources.colourStops = tools_.colours ? &tools_.colours->colourStops() : &defaultStops_;
    sources.background = tools_.colours ? &tools_.colours->background() : &defaultBackground_;
    return sources;
}

std::unique_ptr<ParameterWindow> TForm1::newParameterWindow() {
    if (tools_.parameterWindowFactory) return tools_.parameterWindowFactory();
    return std::make_unique<HeadlessParameterWindow>();
}

// ---- Draw, Centre, Stop/Continue.

void TForm1::BitBtn1Click() {
    if (closed_) return;
    runCommand(this, [this] { state_->draw(sources(), *this); });
}

void TForm1::Button1Click() {
    if (closed_) return;
    runCommand(this, [this] { state_->centre(sources(), *this); });
}

void TForm1::Button2Click() {
    if (closed_) return;
    runCommand(this, [this] {
        const std::string caption = state_->stopOrContinue(*this);
        if (caption.empty()) return;
        Button2->setText(QString::fromStdString(caption));
        Button2->repaint();
    });
}

void TForm1::FormKeyDown(int key) {
    if (key == vkReturn) BitBtn1Click();
    if (key == vkMenu) Button1Click();
}

// ---- Read-outs.

void TForm1::Timer1Timer() {
    const std::int32_t count = core().shownPointCount.load(std::memory_order_relaxed);
    windows_.image->setWindowTitle(QString::fromStdString(state_->pointsPerSecondCaption(count)));
}

void TForm1::Timer2Timer() {
    if (state_->statusLineStale(core())) UpdateStatusLine();
}

void TForm1::UpdateStatusLine() {
    Edit1->setText(QString::fromStdString(state_->updateStatusLine(core())));
    Edit1->repaint();
}

// ---- Commands that forward.

void TForm1::Button3Click() {
    if (!tools_.rotation) return;
    tools_.rotation->setRotationActive(true);
    tools_.rotation->widget()->show();
    tools_.rotation->widget()->raise();
}

void TForm1::Bezrs1Click() {
    if (closed_) return;
    runCommand(this, [this] {
        if (!state_->renderStarted) return;
        const QString name = askSaveFileName(this, {{QStringLiteral("JPG képfájl (*.jpg)"),
                                                     QStringLiteral("BMP bitmapfájl (*.bmp)")},
                                                    QStringLiteral("jpg")});
        if (name.isEmpty()) return;
        repaint();
        core().requestSave(QFile::encodeName(name).toStdString());
    });
}

void TForm1::showSaveFailure(const QString& fileName, const QString& reason) {
    showError(this, QStringLiteral("A kép nem készült el:\n%1\n(%2)").arg(fileName, reason));
}

void TForm1::Bezrs2Click() {
    close();
}

void TForm1::Sznezs1Click() {
    if (!tools_.colours) return;
    tools_.colours->repaintSwatches();
    tools_.colours->widget()->show();
    tools_.colours->widget()->raise();
}

void TForm1::Konstansok1Click() {
    runCommand(this, [this] { parameterList_->showParameterWindows(); });
}

void TForm1::N3Dbellts1Click() {
    windows_.resolution->showForImageWindow();
}

void TForm1::Kezels1Click() {
    windows_.help->show();
    windows_.help->raise();
}

void TForm1::Kszt1Click() {
    windows_.about->show();
    windows_.about->raise();
}

void TForm1::showMainWindow() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void TForm1::RequestRestart() {
    core().restartRequested.store(true);
}

long double TForm1::GetZMax() const {
    return thread_->core().shownZMax.toExtended();
}

long double TForm1::GetZMin() const {
    return thread_->core().shownZMin.toExtended();
}

RenderCore& TForm1::renderCore() {
    return thread_->core();
}

// ---- Closing.

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    QCoreApplication::quit();
}

void TForm1::FormClose() {
    if (closed_) return;
    closed_ = true;
    if (Timer1->isActive()) Timer1->stop();
    if (state_->renderStarted) {
        if (!thread_->isSuspended()) thread_->suspendThread();
        thread_->markTerminated();
    }
    // Ending the loop now rather than with the process leaves no thread behind.
    thread_->shutdown();
}

// ---- DrawServices.

RenderCore& TForm1::core() {
    return thread_->core();
}

int TForm1::imageClientWidth() const {
    return windows_.image->pictureSize().width();
}

int TForm1::imageClientHeight() const {
    return windows_.image->pictureSize().height();
}

void TForm1::setThreadPriorityNormal() {} // the thread starts at normal priority

void TForm1::resumeThread() {
    thread_->resumeThread();
}

void TForm1::suspendThread() {
    thread_->suspendThread();
}

bool TForm1::threadSuspended() const {
    return thread_->isSuspended();
}

void TForm1::setTimer1Enabled(bool enabled) {
    if (enabled && !Timer1->isActive()) Timer1->start();
    if (!enabled) Timer1->stop();
}

} // namespace gyrelune
