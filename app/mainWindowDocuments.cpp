// The main window's document commands: open, save and save as.

#include "app/mainWindow.h"

#include "core/atrDocument.h"
#include "core/documentOpen.h"
#include "render/renderThread.h"
#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"

#include <QCoreApplication>
#include <QFile>

namespace gyrelune {

namespace {

FileDialogRequest documentDialog(const QString& defaultSuffix) {
    return {{QCoreApplication::translate("gyrelune::MainWindow", "attraktor fájlok (*.atr)")},
            defaultSuffix};
}

std::string localFileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace

void MainWindow::showDocumentName(const QString& fileName) {
    state_->documentName = localFileName(fileName);
    setWindowTitle(
        QString::fromStdString(MainWindowState::documentCaption(fileName.toStdString())));
}

void MainWindow::openDocument() {
    if (closed_ || !mayDiscardSettings()) return;
    const QString name = askOpenFileName(this, documentDialog(QString()));
    repaint();
    if (!name.isEmpty()) {
        openDocumentFile(name);
        return;
    }
    // A cancelled open still redraws.
    state_->pictureReady = true;
    draw();
}

void MainWindow::openDocumentNamed(const QString& fileName) {
    if (closed_ || !mayDiscardSettings()) return;
    openDocumentFile(fileName);
}

void MainWindow::openDocumentFile(const QString& fileName) {
    bool opened = false;
    runCommand(this, [this, &fileName, &opened] {
        loadDocument(fileName);
        opened = true;
    });
    // A failed open keeps what it read so far and does not draw.
    if (!opened) return;
    state_->pictureReady = true;
    draw();
    markSettingsSaved();
    rememberRecentDocument(fileName);
}

void MainWindow::loadDocument(const QString& fileName) {
    SessionWiring documentWiring = wiring();
    // The caption changes with documentName, before the colour window repaints.
    documentWiring.coloursLoaded = [this, &fileName, repaint = documentWiring.coloursLoaded] {
        showDocumentName(fileName);
        if (repaint) repaint();
    };
    if (documentWiring.setRotationActive) documentWiring.setRotationActive(false);
    const ReadResult read = readAtrDocument(localFileName(fileName));
    state_->openDocument(read, localFileName(fileName), documentWiring);
}

void MainWindow::saveDocument() {
    if (closed_) return;
    if (state_->documentName.empty()) {
        saveDocumentAs();
        return;
    }
    const QString name = QFile::decodeName(state_->documentName.c_str());
    runCommand(this, [this, &name] {
        writeDocument(name);
        markSettingsSaved();
        rememberRecentDocument(name);
    });
}

void MainWindow::saveDocumentAs() {
    if (closed_) return;
    const QString name = askSaveFileName(this, documentDialog(QStringLiteral("atr")));
    repaint();
    if (name.isEmpty()) return;
    runCommand(this, [this, &name] {
        writeDocument(name);
        showDocumentName(name);
        markSettingsSaved();
        rememberRecentDocument(name);
    });
}

AtrDocument MainWindow::currentDocument() {
    const RenderCore& core = thread_->core();
    return documentToSave(wiring(), core.submitted().colours, core.submitted().background);
}

void MainWindow::writeDocument(const QString& fileName) {
    writeAtrDocument(localFileName(fileName), currentDocument());
}

} // namespace gyrelune
