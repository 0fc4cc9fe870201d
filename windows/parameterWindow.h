#pragma once
// ParameterWindow, a parameter window: the value of one formula parameter, typed or
// swept by a slider across an editable interval. The behaviour is the
// AbstractParameterWindow model's; this class gives it the widgets and the timer.

#include "core/abstractParameterWindow.h"
#include "windows/formulaLineEditField.h"

#include <QWidget>

#include <memory>

class QFrame;
class QLineEdit;
class QTimer;

namespace gyrelune {

class MainCommands;
class KeySlider;

class ParameterWindow : public QWidget, public AbstractParameterWindow {
    Q_OBJECT
  public:
    // Hidden at (610, 14), owned by the main window; the parameter list runs initialise.
    explicit ParameterWindow(MainCommands& main);

    // ---- AbstractParameterWindow.
    EditField& minimumField() override { return *minimum_; }
    EditField& maximumField() override { return *maximum_; }
    EditField& valueField() override { return *value_; }
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
    void applySliderMove();
    bool handleSliderKey(int key);
    void handleValueKey(int key);
    void handleKey(int key);
    void pollForRedraw();

    // ---- Controls.
    QLineEdit* nameLabel = nullptr; // "name:="
    FormulaLineEdit* valueEdit = nullptr;
    FormulaLineEdit* minimumEdit = nullptr;
    FormulaLineEdit* maximumEdit = nullptr;
    KeySlider* slider = nullptr;
    QTimer* pollTimer = nullptr;

    static constexpr int clientWidth = 485;
    static constexpr int clientHeight = 55;
    static constexpr int initialLeft = 610;
    static constexpr int initialTop = 14;

  private:
    void createControls();

    MainCommands& main_;
    std::unique_ptr<FormulaLineEditField> minimum_, maximum_, value_;
};

} // namespace gyrelune
