#pragma once
// A main window stand-in for the tool windows: it counts the commands they
// run and lets a test set pictureReady and the published depth range.

#include "formula/formula.h"
#include "render/renderCore.h"
#include "windows/commandGuard.h"
#include "windows/mainCommands.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace gyrelune::test {

class FakeMainCommands : public MainCommands {
  public:
    explicit FakeMainCommands(ParameterList::WindowFactory factory)
        : parameters(std::move(factory)) {}

    void draw() override { ++draws; }
    void centre() override { ++centres; }
    void showRotationWindow() override {}
    void savePicture() override {}
    void showColourWindow() override {}
    void showParameterWindows() override { parameters.showParameterWindows(); }
    void showResolutionDialog() override {}
    void showMainWindow() override {}
    void requestRestart() override {}
    bool pictureReady() const override { return ready; }
    void setPictureReady() override { ready = true; }
    long double publishedZMax() const override { return zMax; }
    long double publishedZMin() const override { return zMin; }
    RenderCore& renderCore() override { return core; }
    ParameterList& parameterList() override { return parameters; }
    QWidget* mainWindow() override { return &window; }

    // The parameter windows of the names that the three formulas use.
    void syncFormulas(const char* x, const char* y, const char* z) {
        const char* texts[3] = {x, y, z};
        RenderSettings settings = core.submitted();
        Formula* formulas[3] = {&settings.formulaX, &settings.formulaY, &settings.formulaZ};
        for (int i = 0; i < 3; ++i)
            (void)formulas[i]->compile(texts[i]);
        parameters.syncParameterWindows(settings.formulaX, settings.formulaY, settings.formulaZ);
        core.submit(settings);
    }

    QWidget window; // before the parameter windows, which it parents
    RenderCore core;
    ParameterList parameters;
    int draws = 0;
    int centres = 0;
    bool ready = true;
    long double zMin = 0, zMax = 0;
};

// Collects the error boxes of the commands.
class ErrorBoxes {
  public:
    ErrorBoxes() {
        previous_ = setErrorPresenter([this](QWidget*, const QString& m) { messages << m; });
    }
    ~ErrorBoxes() { setErrorPresenter(previous_); }

    QStringList messages;

  private:
    ErrorPresenter previous_;
};

} // namespace gyrelune::test
