#pragma once
// TForm4, a parameter window: the value of one formula parameter, typed or
// swept by a slider across an editable interval. The behaviour is the
// ParameterWindow model's; this class gives it the widgets and the timer.

#include "parameterWindow.h"
#include "strFunctField.h"

#include <QWidget>

#include <memory>

class QFrame;
class QLineEdit;
class QTimer;

namespace gyrelune {

class KeyPreview;
class MainCommands;
class KeySlider;

class TForm4 : public QWidget, public ParameterWindow {
    Q_OBJECT
  public:
    // Hidden at (610, 14), owned by the main window; the parameter list runs FormCreate.
    explicit TForm4(MainCommands& main);

    // ---- ParameterWindow.
    EditField& strFunct1() override { return *minimum_; }
    EditField& strFunct2() override { return *maximum_; }
    EditField& strFunct3() override { return *value_; }
    int sliderPosition() const override;
    void setSliderPosition(int position) override;
    void showCaption(const std::string& caption, const std::string& label) override;
    void hideWindow() override;
    void showWindow() override;
    int windowTop() const override { return pos().y(); }
    int windowLeft() const override { return pos().x(); }
    int windowOuterHeight() const override;
    void moveWindow(int left, int top) override { move(left, top); }

    // ---- Handlers.
    void TrackBar1Change();
    bool TrackBar1KeyDown(int key);
    void strFunct3KeyDown(int key);
    void FormKeyDown(int key);
    void Timer1Timer();

    // ---- Controls.
    QLineEdit* Edit1 = nullptr;       // "name:="
    TstrFunct* valueEdit = nullptr;   // strFunct3
    TstrFunct* minimumEdit = nullptr; // strFunct1
    TstrFunct* maximumEdit = nullptr; // strFunct2
    KeySlider* TrackBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    static constexpr int clientWidth = 485;
    static constexpr int clientHeight = 55;
    static constexpr int initialLeft = 610;
    static constexpr int initialTop = 14;

  private:
    void createControls();

    MainCommands& main_;
    std::unique_ptr<TstrFunctField> minimum_, maximum_, value_;
    KeyPreview* keyPreview_ = nullptr;
};

} // namespace gyrelune
