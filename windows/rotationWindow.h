#pragma once
// RotationWindow, the rotation window: three angles in whole degrees, each a slider
// from 0 to 359 paired with a formula field. While rotationActive, a changed
// angle text redraws at the next 50 ms tick. The behaviour is RotationModel's;
// the widgets show it.

#include "core/rotationModel.h"
#include "windows/formulaLineEditField.h"
#include "windows/mainCommands.h"

#include <QWidget>

#include <array>
#include <memory>

class QGridLayout;
class QTimer;

namespace gyrelune {

class KeySlider;

class RotationWindow : public QWidget, public AbstractRotationWindow {
    Q_OBJECT
  public:
    // Hidden at (36, 241).
    RotationWindow(MainCommands& main, QWidget* parent);

    // ---- AbstractRotationWindow.
    EditField& angleField(int axis) override { return *fields_[std::size_t(axis)]; }
    void setRotationActive(bool active) override { model_->watch.rotationActive = active; }
    QWidget* widget() override { return this; }

    bool rotationActive() const { return model_->watch.rotationActive; }
    const std::array<std::string, 3>& lastAngleText() const { return model_->watch.lastAngleText; }

    // ---- Handlers; row 0 is X, 1 is Y, 2 is Z.
    bool handleSliderKey(int key);
    void handleKey(int key);
    void pollForRedraw();

    // ---- Controls.
    std::array<KeySlider*, 3> angleSliders{};
    std::array<FormulaLineEdit*, 3> angleEdits{};
    QTimer* pollTimer = nullptr;

    static constexpr int clientWidth = 297;
    static constexpr int clientHeight = 122;
    static constexpr int initialLeft = 36;
    static constexpr int initialTop = 241;

  private:
    void createRow(QWidget* parent, QGridLayout* rows, int row);

    MainCommands& main_;
    std::array<std::unique_ptr<FormulaLineEditField>, 3> fields_;
    std::unique_ptr<RotationModel> model_;
};

} // namespace gyrelune
