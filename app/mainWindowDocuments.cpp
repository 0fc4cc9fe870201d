// The main window's document commands: open, save and save as.

#include "app/mainWindow.h"

#include "core/atrDocument.h"
#include "core/documentOpen.h"
#include "render/renderThread.h"
#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"

#include <QFile>

namespace gyrelune {

namespace {

FileDialogRequest documentDialog(const QString& defaultSuffix) {
    return {{QStringLiteral("attraktor fájlok (*.atr)")}, defaultSuffix};
}

std::string localFileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace

std::array<EditField*, 6> MainWindow::documentFields() {
    std::array<EditField*, 6> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = fields_[i].get();
    return fields;
}

void MainWindow::showDocumentName(const QString& fileName) {
    state_->documentName = localFileName(fileName);
    setWindowTitle(
        QString::fromStdString(MainWindowState::documentCaption(fileName.toStdString())));
}

void MainWindow::openDocument() {
    if (closed_) return;
    const QString name = askOpenFileName(this, documentDialog(QString()));
    repaint();
    if (!name.isEmpty()) {
        openDocumentNamed(name);
        return;
    }
    // A cancelled open still redraws.
    state_->pictureReady = true;
    draw();
}

void MainWindow::openDocumentNamed(const QString& fileName) {
    if (closed_) return;
    bool opened = false;
    runCommand(this, [this, &fileName, &opened] {
        openDocument(fileName);
        opened = true;
    });
    // A failed open keeps what it read so far and does not draw.
    if (!opened) return;
    state_->pictureReady = true;
    draw();
}

void MainWindow::openDocument(const QString& fileName) {
    if (tools_.rotation) tools_.rotation->setRotationActive(false);
    const ReadResult read = readAtrDocument(localFileName(fileName));

    OpenTargets targets;
    targets.mainFields = documentFields();
    const DrawSources drawSources = sources();
    targets.angleFields = drawSources.angleFields;
    targets.colourStops = tools_.colours ? &tools_.colours->colourStops() : &defaultStops_;
    targets.background = tools_.colours ? &tools_.colours->background() : &defaultBackground_;
    targets.parameters = parameterList_.get();
    targets.coloursLoaded = [this, &fileName] {
        showDocumentName(fileName);
        if (tools_.colours) tools_.colours->repaintSwatches();
    };
    applyOpenedDocument(read, targets);
}

void MainWindow::saveDocument() {
    if (closed_) return;
    if (state_->documentName.empty()) {
        saveDocumentAs();
        return;
    }
    runCommand(this, [this] { writeDocument(QFile::decodeName(state_->documentName.c_str())); });
}

void MainWindow::saveDocumentAs() {
    if (closed_) return;
    const QString name = askSaveFileName(this, documentDialog(QStringLiteral("atr")));
    repaint();
    if (name.isEmpty()) return;
    runCommand(this, [this, &name] {
        writeDocument(name);
        showDocumentName(name);
    });
}

void MainWindow::writeDocument(const QString& fileName) {
    const RenderCore& core = thread_->core();
    writeAtrDocument(localFileName(fileName),
                     documentToSave(documentFields(), sources().angleFields, core.pendingColours,
                                    core.pendingBackground, *parameterList_));
}

} // namespace gyrelune
