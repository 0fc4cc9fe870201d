#include "core/mainWindowState.h"

#include "core/platformErrors.h"
#include "formula/realToText.h"
#include "core/rotationAngle.h"

#include <cmath>

namespace gyrelune {
namespace {

constexpr long double centreMargin = 0.95L;

// A division as the floating-point unit reports a zero divisor.
long double divide(long double dividend, long double divisor) {
    if (divisor == 0) throw FloatingPointDivisionError(dividend == 0);
    return dividend / divisor;
}

} // namespace

std::int32_t roundGain(long double value) {
    // Beyond 32 bits the gain saturates.
    if (!(value < 2147483647.5L)) return value != value ? 0 : 2147483647;
    if (value <= -2147483648.5L) return -2147483647 - 1;
    return std::int32_t(roundHalfEven(value));
}

MainWindowState::MainWindowState(const DrawSources& sources)
    : usedZoomText(sources.mainFields[3]->text()), usedCentreXText(sources.mainFields[4]->text()),
      usedCentreYText(sources.mainFields[5]->text()), usedGainText(sources.mainFields[6]->text()) {
    for (EditField* field : sources.mainFields)
        field->CompileAndMark();
}

void MainWindowState::draw(const DrawSources& sources, DrawServices& services) {
    RenderCore& core = services.core();
    if (!renderStarted) {
        core.setUp(services.imageClientWidth(), services.imageClientHeight());
        services.setThreadPriorityNormal();
        services.resumeThread();
        renderStarted = true;
    }
    if (!drawingStopped) {
        const auto& fields = sources.mainFields;
        std::string* usedFormulas[3] = {&usedFormulaX, &usedFormulaY, &usedFormulaZ};
        Formula* pending[3] = {&core.pendingFormulaX, &core.pendingFormulaY, &core.pendingFormulaZ};
        for (int i = 0; i < 3; ++i) {
            if (fields[i]->text() == *usedFormulas[i]) continue;
            pending[i]->text = fields[i]->text();
            bool error;
            pending[i]->Compile(error);
        }
        std::string* usedNumbers[4] = {&usedZoomText, &usedCentreXText, &usedCentreYText,
                                       &usedGainText};
        for (int i = 0; i < 4; ++i)
            if (fields[3 + i]->text() != *usedNumbers[i]) fields[3 + i]->CompileAndMark();
        for (int i = 0; i < 3; ++i)
            *usedFormulas[i] = fields[i]->text();
        for (int i = 0; i < 4; ++i)
            *usedNumbers[i] = fields[3 + i]->text();

        statusXMin = statusXMax = statusYMin = statusYMax = statusZMin = statusZMax = Real48();
        core.pendingZoom = fields[3]->field().value();
        core.pendingCentreX = fields[4]->field().value();
        core.pendingCentreY = fields[5]->field().value();
        const std::int32_t gain = roundGain(fields[6]->field().Evaluate());
        core.pendingGain = gain < 0 ? 0 : gain;

        core.pendingAngleX = angleRadians(sources.angleFields[0]->text());
        core.pendingAngleY = angleRadians(sources.angleFields[1]->text());
        core.pendingAngleZ = angleRadians(sources.angleFields[2]->text());

        core.shownXMax = core.shownXMin = core.shownYMax = core.shownYMin = core.shownZMax =
            core.shownZMin = Real48();
        sources.parameters->syncParameterWindows(core.pendingFormulaX, core.pendingFormulaY,
                                                 core.pendingFormulaZ);
        sources.parameters->applyParameterValues(core.pendingFormulaX, core.pendingFormulaY,
                                                 core.pendingFormulaZ);
    }
    core.pendingColours = *sources.colourStops;
    core.pendingBackground = *sources.background;
    services.setPointsPerSecondTimerEnabled(true);
    core.restartRequested = true;
}

void MainWindowState::centre(const DrawSources& sources, DrawServices& services) {
    if (!renderStarted) return;
    RenderCore& core = services.core();
    const long double width = services.imageClientWidth();
    const long double height = services.imageClientHeight();
    const long double xMax = core.shownXMax.toExtended(), xMin = core.shownXMin.toExtended();
    const long double yMax = core.shownYMax.toExtended(), yMin = core.shownYMin.toExtended();

    core.pendingCentreX = Real48::fromExtended((xMax + xMin) / 2);
    core.pendingCentreY = Real48::fromExtended((yMax + yMin) / 2);
    const long double rx = divide(xMax - xMin, width);
    const long double ry = divide(yMax - yMin, height);
    if (rx > ry) {
        if (xMax != xMin)
            core.pendingZoom = Real48::fromExtended(width / (xMax - xMin) * centreMargin);
    } else if (yMax != yMin) {
        core.pendingZoom = Real48::fromExtended(height / (yMax - yMin) * centreMargin);
    }

    const auto& fields = sources.mainFields;
    fields[3]->setText(RealToText(5, core.pendingZoom));
    fields[4]->setText(RealToText(3, core.pendingCentreX));
    fields[5]->setText(RealToText(3, core.pendingCentreY));
    fields[6]->CompileAndMark();
    core.pendingGain = roundGain(fields[6]->field().Evaluate());
    core.restartRequested = true;
}

std::string MainWindowState::stopOrContinue(DrawServices& services) {
    if (!renderStarted) return {};
    if (!services.threadSuspended()) {
        services.suspendThread();
        services.setPointsPerSecondTimerEnabled(false);
        drawingStopped = true;
        return "Folytat";
    }
    services.resumeThread();
    services.setPointsPerSecondTimerEnabled(true);
    drawingStopped = false;
    return "Stop";
}

std::string MainWindowState::documentCaption(const std::string& fileName) {
    return std::string(MainWindowDefaults::caption) + "    " + fileName;
}

} // namespace gyrelune
