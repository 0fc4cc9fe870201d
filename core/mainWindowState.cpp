#include "core/mainWindowState.h"

#include "core/uiText.h"

#include "core/platformErrors.h"
#include "core/rotationModel.h"
#include "formula/realToText.h"

#include <cmath>

namespace gyrelune {
namespace {

// Draw and Centre edit the pending settings as one value and assign it back
// whole, also when an error ends the command half-way: what it did stays done.
struct PendingSettingsEdit {
    explicit PendingSettingsEdit(RenderCore& target) : core(target), settings(target.submitted()) {}
    ~PendingSettingsEdit() { core.submit(std::move(settings)); }
    PendingSettingsEdit(const PendingSettingsEdit&) = delete;
    PendingSettingsEdit& operator=(const PendingSettingsEdit&) = delete;

    RenderCore& core;
    RenderSettings settings;
};

// A division as the floating-point unit reports a zero divisor.
long double divide(long double dividend, long double divisor) {
    if (divisor == 0) throw FloatingPointDivisionError(dividend == 0);
    return dividend / divisor;
}

// Said plainly, rather than drawn as the empty formula the field compiles to.
void refuseOverlongFields(const SessionWiring& wiring) {
    static const char* const names[] = {"X new",    "Y new",    "Z new", "zoom",
                                        "centre X", "centre Y", "gain"};
    for (std::size_t i = 0; i < wiring.mainFields.size(); ++i)
        if (const std::size_t length = wiring.mainFields[i]->text().size();
            length > maximumFormulaLength)
            throw std::runtime_error("Formula too long: the " + std::string(names[i]) +
                                     " field holds " + std::to_string(length) +
                                     " characters, at most " +
                                     std::to_string(maximumFormulaLength) + " are read");
}

} // namespace

std::int32_t roundGain(long double value) {
    // Beyond 32 bits the gain saturates.
    if (!(value < 2147483647.5L)) return value != value ? 0 : 2147483647;
    if (value <= -2147483648.5L) return -2147483647 - 1;
    return std::int32_t(roundHalfEven(value));
}

MainWindowState::MainWindowState(const SessionWiring& wiring)
    : usedZoomText(wiring.field(MainField::zoom).text()),
      usedCentreXText(wiring.field(MainField::centreX).text()),
      usedCentreYText(wiring.field(MainField::centreY).text()),
      usedGainText(wiring.field(MainField::gain).text()) {
    for (EditField* field : wiring.mainFields)
        field->compileAndMark(); // only the marks are wanted
}

void MainWindowState::draw(const SessionWiring& wiring, DrawServices& services) {
    refuseOverlongFields(wiring);
    RenderCore& core = services.core();
    if (!renderStarted) {
        core.setUp(services.imageClientWidth(), services.imageClientHeight());
        services.resumeThread();
        renderStarted = true;
    }
    {
        PendingSettingsEdit edit(core);
        if (!drawingStopped) handOverFields(wiring, core, edit.settings);
        edit.settings.colours = *wiring.colourStops;
        edit.settings.background = *wiring.background;
    }
    services.setPointsPerSecondTimerEnabled(true);
    core.requestRestart();
}

// Draw's hand-over of what changed in the fields, the angles and the parameters.
void MainWindowState::handOverFields(const SessionWiring& wiring, RenderCore& core,
                                     RenderSettings& pending) {
    const MainField formulaFields[3] = {MainField::formulaX, MainField::formulaY,
                                        MainField::formulaZ};
    std::string* usedFormulas[3] = {&usedFormulaX, &usedFormulaY, &usedFormulaZ};
    Formula* formulas[3] = {&pending.formulaX, &pending.formulaY, &pending.formulaZ};
    for (int i = 0; i < 3; ++i) {
        EditField& field = wiring.field(formulaFields[i]);
        if (field.text() == *usedFormulas[i]) continue;
        // A malformed formula is drawn all the same (it evaluates to 0), as always.
        (void)formulas[i]->compile(field.text());
    }
    const MainField numberFields[4] = {MainField::zoom, MainField::centreX, MainField::centreY,
                                       MainField::gain};
    std::string* usedNumbers[4] = {&usedZoomText, &usedCentreXText, &usedCentreYText,
                                   &usedGainText};
    for (int i = 0; i < 4; ++i)
        if (wiring.field(numberFields[i]).text() != *usedNumbers[i])
            wiring.field(numberFields[i]).compileAndMark(); // a malformed number reads 0
    for (int i = 0; i < 3; ++i)
        *usedFormulas[i] = wiring.field(formulaFields[i]).text();
    for (int i = 0; i < 4; ++i)
        *usedNumbers[i] = wiring.field(numberFields[i]).text();

    statusRanges = Ranges{};
    pending.zoom = wiring.field(MainField::zoom).field().value();
    pending.centreX = wiring.field(MainField::centreX).field().value();
    pending.centreY = wiring.field(MainField::centreY).field().value();
    const std::int32_t gain = roundGain(wiring.field(MainField::gain).field().evaluate());
    pending.gain = gain < 0 ? 0 : gain;

    pending.angleX = angleRadians(wiring.angleFields[0]->text());
    pending.angleY = angleRadians(wiring.angleFields[1]->text());
    pending.angleZ = angleRadians(wiring.angleFields[2]->text());

    core.clearPublishedRanges();
    wiring.parameters->syncParameterWindows(pending.formulaX, pending.formulaY, pending.formulaZ);
    wiring.parameters->applyParameterValues(pending.formulaX, pending.formulaY, pending.formulaZ);
}

void MainWindowState::centre(const SessionWiring& wiring, DrawServices& services) {
    if (!renderStarted) return;
    RenderCore& core = services.core();
    const long double width = services.imageClientWidth();
    const long double height = services.imageClientHeight();
    const Ranges shown = core.published().ranges;
    {
        PendingSettingsEdit edit(core);
        RenderSettings& pending = edit.settings;
        const ViewFit fit = ViewGeometry::fit(shown, width, height);
        pending.centreX = fit.centreX;
        pending.centreY = fit.centreY;
        // A picture of no width or height fails as a division would.
        divide(shown.xMax.toExtended() - shown.xMin.toExtended(), width);
        divide(shown.yMax.toExtended() - shown.yMin.toExtended(), height);
        if (fit.zoomChanged) pending.zoom = Real48::fromExtended(fit.zoom);

        wiring.field(MainField::zoom).setText(realToText(5, pending.zoom));
        wiring.field(MainField::centreX).setText(realToText(3, pending.centreX));
        wiring.field(MainField::centreY).setText(realToText(3, pending.centreY));
        EditField& gainField = wiring.field(MainField::gain);
        gainField.compileAndMark(); // a malformed gain reads 0
        pending.gain = roundGain(gainField.field().evaluate());
    }
    core.requestRestart();
}

std::string MainWindowState::stopOrContinue(DrawServices& services) {
    if (!renderStarted) return {};
    if (!services.threadSuspended()) {
        services.suspendThread();
        services.setPointsPerSecondTimerEnabled(false);
        drawingStopped = true;
        return translate("gyrelune::MainWindow", "Folytat");
    }
    services.resumeThread();
    services.setPointsPerSecondTimerEnabled(true);
    drawingStopped = false;
    return translate("gyrelune::MainWindow", "Stop");
}

void MainWindowState::openDocument(const ReadResult& read, const std::string& fileName,
                                   const SessionWiring& wiring) {
    if (wiring.setRotationActive) wiring.setRotationActive(false);
    if (read.stage == ReadStage::nothing) throw std::runtime_error(read.error + ": " + fileName);
    applyOpenedDocument(read, wiring, [this, &wiring, &fileName] {
        documentName = fileName;
        if (wiring.coloursLoaded) wiring.coloursLoaded();
    });
}

std::string MainWindowState::documentCaption(const std::string& fileName) {
    return std::string(MainWindowDefaults::caption) + "    " + fileName;
}

} // namespace gyrelune
