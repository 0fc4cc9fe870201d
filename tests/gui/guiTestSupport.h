#pragma once
// Shared set-up of the GUI tests: the window set with its dialogs answered
// and its error boxes collected, and a rotation window without a screen.

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "render/renderThread.h"
#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"
#include "windows/imageWindow.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace gyrelune::test {

// A rotation window of three plain fields.
class FakeRotationWindow : public AbstractRotationWindow {
  public:
    EditField& angleField(int axis) override { return fields[std::size_t(axis)]; }
    void setRotationActive(bool active) override { rotationActive = active; }
    QWidget* widget() override { return &window; }

    std::array<PlainEditField, 3> fields{PlainEditField("0"), PlainEditField("0"),
                                         PlainEditField("0")};
    bool rotationActive = false;
    QWidget window;
};

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousPresenter_ =
            setErrorPresenter([this](QWidget*, const QString& message) { errors << message; });
        previousSave_ = setSaveFileDialog([this](QWidget*, const FileDialogRequest& request) {
            saveRequests << request.filters.join(QStringLiteral(";;")) + "|" +
                                request.defaultSuffix;
            return saveAnswer;
        });
        windows = std::make_unique<WindowSet>();
        ToolWindows tools = windows->main().toolWindows();
        tools.rotation = &rotation;
        windows->main().setToolWindows(tools);
        windows->show();
    }

    void TearDown() override {
        windows.reset();
        setErrorPresenter(previousPresenter_);
        setSaveFileDialog(previousSave_);
    }

    MainWindow& main() { return windows->main(); }
    ImageWindow& image() { return windows->image(); }
    RenderCore& core() { return main().renderCore(); }

    // Draw, then Stop, and let a hand-off in flight finish: the thread then
    // rests at its gate and the published values hold still.
    void drawAndStop() {
        main().draw();
        main().toggleStop();
        waitForGate();
    }
    void waitForGate();

    FakeRotationWindow rotation;
    std::unique_ptr<WindowSet> windows;
    QStringList errors;
    QStringList saveRequests;
    QString saveAnswer;

  private:
    ErrorPresenter previousPresenter_;
    FileDialog previousSave_;
};

} // namespace gyrelune::test
