// The main window's history and unsaved work: undo, redo, the question before
// settings are thrown away, and "Új".

#include "app/mainWindow.h"

#include "core/documentOpen.h"
#include "formula/leadingInteger.h"
#include "formula/realToText.h"
#include "render/renderThread.h"
#include "windows/commandGuard.h"
#include "windows/formulaLineEditField.h"
#include "windows/imageWindow.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace gyrelune {

AtrDocument MainWindow::currentSettings() {
    // The colour window's colours: those the next Draw hands over.
    const SessionWiring settings = wiring();
    return documentToSave(settings, *settings.colourStops, *settings.background);
}

void MainWindow::startHistory() {
    history_.reset(currentSettings());
    markSettingsSaved();
    updateHistoryActions();
}

void MainWindow::markSettingsSaved() {
    savedSettings_ = currentSettings();
}

void MainWindow::recordStep() {
    if (closed_ || gestureRunning_ || restoring_) return;
    history_.record(currentSettings());
    updateHistoryActions();
}

void MainWindow::updateHistoryActions() {
    if (undoAction) undoAction->setEnabled(history_.canUndo());
    if (redoAction) redoAction->setEnabled(history_.canRedo());
}

void MainWindow::undo() {
    if (const AtrDocument* settings = history_.undo()) restore(*settings);
}

void MainWindow::redo() {
    if (const AtrDocument* settings = history_.redo()) restore(*settings);
}

void MainWindow::restore(const AtrDocument& settings) {
    if (closed_) return;
    restoring_ = true;
    runCommand(this, [this, &settings] { restoreSettings(settings, wiring()); });
    state_->pictureReady = true;
    draw();
    restoring_ = false;
    updateHistoryActions();
}

void MainWindow::beginGesture() {
    gestureRunning_ = true;
}

void MainWindow::endGesture() {
    gestureRunning_ = false;
    recordStep();
}

ViewPlace MainWindow::viewPlace() {
    ViewPlace view;
    runCommand(this, [this, &view] {
        const auto value = [this](MainField which) {
            FormulaLineEditField& field = *fields_[std::size_t(which)];
            field.compileAndMark();
            return field.field().value().toExtended();
        };
        view = {value(MainField::zoom), value(MainField::centreX), value(MainField::centreY)};
    });
    return view;
}

void MainWindow::showViewPlace(const ViewPlace& view) {
    runCommand(this, [this, &view] {
        edit(MainField::zoom)
            ->setText(QString::fromStdString(realToText(5, Real48::fromExtended(view.zoom))));
        edit(MainField::centreX)
            ->setText(QString::fromStdString(centreText(view.centreX, view.zoom)));
        edit(MainField::centreY)
            ->setText(QString::fromStdString(centreText(view.centreY, view.zoom)));
    });
    draw();
}

std::array<int, 3> MainWindow::angles() {
    std::array<int, 3> degrees{};
    for (int axis = 0; axis < 3; ++axis) {
        const std::string text = wiring().angleFields[std::size_t(axis)]->text();
        degrees[std::size_t(axis)] = ((leadingInteger(text) % 360) + 360) % 360;
    }
    return degrees;
}

void MainWindow::turnTo(const std::array<int, 3>& degrees) {
    if (!tools_.rotation) return;
    const std::array<int, 3> now = angles();
    for (int axis = 0; axis < 3; ++axis)
        if (degrees[std::size_t(axis)] != now[std::size_t(axis)])
            tools_.rotation->angleField(axis).setText(std::to_string(degrees[std::size_t(axis)]));
    tools_.rotation->setRotationActive(true);
}

bool MainWindow::settingsChangedSinceSaved() {
    return settingsChanged(currentSettings(), savedSettings_);
}

namespace {

int askToSave(QWidget* parent) {
    QMessageBox question(QMessageBox::Question, QApplication::applicationDisplayName(),
                         MainWindow::tr("A beállítások megváltoztak. Menti a dokumentumot?"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    question.setDefaultButton(QMessageBox::Save);
    return question.exec();
}

MainWindow::SaveQuestion& saveQuestion() {
    static MainWindow::SaveQuestion current = askToSave;
    return current;
}

} // namespace

MainWindow::SaveQuestion MainWindow::setSaveQuestion(SaveQuestion question) {
    return std::exchange(saveQuestion(), std::move(question));
}

bool MainWindow::mayDiscardSettings() {
    if (closed_ || !settingsChangedSinceSaved()) return true;
    switch (saveQuestion()(this)) {
    case QMessageBox::Save:
        saveDocument();
        // A cancelled or failed save keeps everything as it was.
        return !settingsChangedSinceSaved();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::newDocument() {
    if (closed_ || !mayDiscardSettings()) return;
    AtrDocument start;
    const char* const texts[6] = {MainWindowDefaults::formulaX, MainWindowDefaults::formulaY,
                                  MainWindowDefaults::formulaZ, MainWindowDefaults::zoom,
                                  MainWindowDefaults::centreX,  MainWindowDefaults::centreY};
    for (std::size_t i = 0; i < 6; ++i)
        start.texts[i] = texts[i];
    for (std::size_t i = 6; i < 9; ++i)
        start.texts[i] = "0";
    start.gainText = MainWindowDefaults::gain;
    start.colourStops = defaultColourStops();
    runCommand(this, [this, &start] { restoreSettings(start, wiring()); });
    state_->documentName.clear();
    setWindowTitle(QString::fromLatin1(MainWindowDefaults::caption));
    state_->pictureReady = true;
    draw();
    markSettingsSaved();
}

} // namespace gyrelune
