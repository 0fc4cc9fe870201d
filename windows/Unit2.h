#pragma once
// TForm2, the rotation window: three angles in whole degrees, each a slider
// from 0 to 359 paired with a formula field. While rotationActive, a changed
// angle text redraws at the next 50 ms tick.

#include "mainCommands.h"
#include "rotationAngle.h"
#include "strFunctField.h"

#include <QWidget>

#include <array>
#include <memory>

class QTimer;

namespace gyrelune {

class KeyPreview;
class KeySlider;

class TForm2 : public QWidget, public RotationWindow {
    Q_OBJECT
  public:
    // Hidden at (36, 241).
    TForm2(MainCommands& main, QWidget* parent);

    // ---- RotationWindow.
    EditField& angleField(int axis) override { return *fields_[std::size_t(axis)]; }
    void setRotationActive(bool active) override { watch_.rotationActive = active; }
    QWidget* widget() override { return this; }

    bool rotationActive() const { return watch_.rotationActive; }
    const std::array<std::string, 3>& lastAngleText() const { return watch_.lastAngleText; }

    // ---- Handlers; row 0 is X (TrackBar1, strFunct1), 1 is Y, 2 is Z.
    void TrackBarChange(int row);
    void strFunctChange(int row);
    bool TrackBarKeyDown(int key);
    void FormKeyDown(int key);
    void Timer1Timer();

    // ---- Controls.
    std::array<KeySlider*, 3> TrackBar{};
    std::array<TstrFunct*, 3> strFunct{};
    QTimer* Timer1 = nullptr;

    static constexpr int clientWidth = 297;
    static constexpr int clientHeight = 122;
    static constexpr int initialLeft = 36;
    static constexpr int initialTop = 241;

  private:
    void createRow(int row);

    MainCommands& main_;
    std::array<std::unique_ptr<TstrFunctField>, 3> fields_;
    AngleTextWatch watch_;
    KeyPreview* keyPreview_ = nullptr;
};

} // namespace gyrelune
