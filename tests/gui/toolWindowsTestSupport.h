#pragma once
// A main window stand-in for the tool windows: it counts the commands they
// run and lets a test set pictureReady and the published depth range.

#include "commandGuard.h"
#include "mainCommands.h"
#include "renderCore.h"
#include "strFunctUNIT.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace gyrelune::test {

class FakeMainCommands : public MainCommands {
  public:
    explicit FakeMainCommands(ParameterList::WindowFactory factory)
        : parameters(std::move(factory)) {}

    void BitBtn1Click() override { ++draws; }
    void Button1Click() override { ++centres; }
    void Button3Click() override {}
    void Bezrs1Click() override {}
    void Sznezs1Click() override {}
    void Konstansok1Click() override { parameters.showParameterWindows(); }
    void N3Dbellts1Click() override {}
    void showMainWindow() override {}
    void RequestRestart() override {}
    bool pictureReady() const override { return ready; }
    void setPictureReady() override { ready = true; }
    long double GetZMax() const override { return zMax; }
    long double GetZMin() const override { return zMin; }
    RenderCore& renderCore() override { return core; }
    ParameterList& parameterList() override { return parameters; }
    QWidget* mainWindow() override { return &window; }

    // The parameter windows of the names that the three formulas use.
    void syncFormulas(const char* x, const char* y, const char* z) {
        const char* texts[3] = {x, y, z};
        TstrFunctUNIT* formulas[3] = {&core.editFormulaX, &core.editFormulaY, &core.editFormulaZ};
        for (int i = 0; i < 3; ++i) {
            formulas[i]->text = texts[i];
            bool error;
            formulas[i]->Compile(error);
        }
        parameters.syncParameterWindows(core.editFormulaX, core.editFormulaY, core.editFormulaZ);
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
