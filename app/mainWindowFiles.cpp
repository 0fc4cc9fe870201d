// The main window's ways to a document: the examples and the recent documents.

#include "app/mainWindow.h"

#include "app/recentDocuments.h"
#include "core/atrDocument.h"
#include "windows/commandGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace gyrelune {

namespace {
const QString examplesFolder = QStringLiteral(":/examples");
}

void MainWindow::fillExamplesMenu() {
    const QStringList names = QDir(examplesFolder).entryList({QStringLiteral("*.atr")});
    for (const QString& name : names)
        examplesMenu->addAction(QFileInfo(name).completeBaseName(), this, [this, name] {
            openExample(examplesFolder + QLatin1Char('/') + name);
        });
}

void MainWindow::openExample(const QString& resourceName) {
    if (closed_ || !mayDiscardSettings()) return;
    QFile file(resourceName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    const ReadResult read = parseAtrDocument(std::string_view(bytes.constData(), bytes.size()));
    bool opened = false;
    runCommand(this, [this, &read, &opened] {
        SessionWiring documentWiring = wiring();
        if (documentWiring.setRotationActive) documentWiring.setRotationActive(false);
        state_->openDocument(read, std::string(), documentWiring);
        opened = true;
    });
    // An example is no file of the user's: "Mentés" asks for a name.
    state_->documentName.clear();
    setWindowTitle(QString::fromLatin1(MainWindowDefaults::caption) + QStringLiteral("    ") +
                   QFileInfo(resourceName).completeBaseName());
    if (!opened) return;
    state_->pictureReady = true;
    draw();
    markSettingsSaved();
}

void MainWindow::fillRecentMenu() {
    recentMenu->clear();
    for (const QString& name : recentDocuments())
        recentMenu->addAction(name, this, [this, name] { openRecentDocument(name); });
    recentMenu->setEnabled(true);
}

void MainWindow::openRecentDocument(const QString& fileName) {
    // A file gone since is dropped from the list; the open reports it as usual.
    if (!QFileInfo::exists(fileName)) removeRecentDocument(fileName);
    openDocumentNamed(fileName);
}

void MainWindow::rememberRecentDocument(const QString& fileName) {
    addRecentDocument(QFileInfo(fileName).absoluteFilePath());
}

} // namespace gyrelune
