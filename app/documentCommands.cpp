// The main window's document commands: open, save and save as.

#include "attrakt.h"

#include "atrDocument.h"
#include "commandGuard.h"
#include "documentOpen.h"
#include "fileDialogs.h"
#include "renderThread.h"

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

std::array<EditField*, 6> TForm1::documentFields() {
    std::array<EditField*, 6> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = fields_[i].get();
    return fields;
}

void TForm1::showDocumentName(const QString& fileName) {
    state_->documentName = localFileName(fileName);
    setWindowTitle(
        QString::fromStdString(MainWindowState::documentCaption(fileName.toStdString())));
}

void TForm1::Ments1Click() {
    if (closed_) return;
    const QString name = askOpenFileName(this, documentDialog(QString()));
    repaint();
    if (!name.isEmpty()) {
        bool opened = false;
        runCommand(this, [this, &name, &opened] {
            openDocument(name);
            opened = true;
        });
        // A failed open keeps what it read so far and does not draw.
        if (!opened) return;
    }
    state_->pictureReady = true;
    BitBtn1Click();
}

void TForm1::openDocument(const QString& fileName) {
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

void TForm1::Mentsmsknt1Click() {
    if (closed_) return;
    if (state_->documentName.empty()) {
        Mentsmsknt2Click();
        return;
    }
    runCommand(this, [this] { WriteDocument(QFile::decodeName(state_->documentName.c_str())); });
}

void TForm1::Mentsmsknt2Click() {
    if (closed_) return;
    const QString name = askSaveFileName(this, documentDialog(QStringLiteral("atr")));
    repaint();
    if (name.isEmpty()) return;
    runCommand(this, [this, &name] {
        WriteDocument(name);
        showDocumentName(name);
    });
}

void TForm1::WriteDocument(const QString& fileName) {
    const RenderCore& core = thread_->core();
    writeAtrDocument(localFileName(fileName),
                     documentToSave(documentFields(), sources().angleFields, core.pendingColours,
                                    core.pendingBackground, *parameterList_));
}

} // namespace gyrelune
