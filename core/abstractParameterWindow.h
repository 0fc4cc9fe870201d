#pragma once
// A parameter window (ParameterWindow) without its widgets: its state and handlers.
// The window class supplies the fields, the slider and the window operations;
// the headless window below does so without any window system.

#include "core/editField.h"
#include "core/parameterInterval.h"
#include "core/virtualKeys.h"

#include <string>

namespace gyrelune {

class AbstractParameterWindow {
  public:
    // The texts a new window's fields start with.
    static constexpr const char* initialMinimumText = "-2";
    static constexpr const char* initialMaximumText = "2";
    static constexpr const char* initialValueText = "0";
    static constexpr int initialSliderPosition = 500;

    virtual ~AbstractParameterWindow() = default;

    // ---- Supplied by the window.
    virtual EditField& minimumField() = 0; // interval minimum
    virtual EditField& maximumField() = 0; // interval maximum
    virtual EditField& valueField() = 0;   // value
    virtual int sliderPosition() const = 0;
    // Moves the slider (clamped to 0..1000); an actual move must run sliderChanged().
    virtual void setSliderPosition(int position) = 0;
    // Caption ("a jelű konstans") and name label ("a:=").
    virtual void showCaption(const std::string& caption, const std::string& label) = 0;
    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    virtual int windowTop() const = 0;
    virtual int windowLeft() const = 0;
    virtual int windowOuterHeight() const = 0;
    virtual void moveWindow(int left, int top) = 0;

    // ---- State.
    const std::string& paramName() const { return paramName_; }
    void setParamName(const std::string& name) { paramName_ = name; }
    bool activated() const { return activated_; }
    void activate() { activated_ = true; }
    int lastPosition() const { return lastPosition_; }

    // ---- Handlers.
    // Window creation: compiles the three fields, slider to 500, not activated.
    // Run once by whoever creates the window (the parameter list does).
    void initialise();
    void updateCaption();
    // Value -> slider; a not yet activated window keeps its value text.
    void placeSlider();
    // A value given from outside (the attractor search): the text as it is,
    // the slider at its place, and no redraw asked for by the slider's move.
    void setValueText(const std::string& text);
    // Slider -> value text; nothing while not activated.
    void sliderChanged();
    // A text change of the minimum or maximum field.
    void minimumChanged() { intervalEndChanged(minimumField().field()); }
    void maximumChanged() { intervalEndChanged(maximumField().field()); }
    // A key on the slider: Backspace doubles the interval, Shift halves it.
    void sliderKeyDown(int key);
    // The 50 ms timer; true when the Draw command is to run now.
    bool pollSlider(bool pictureReady);

  private:
    std::string paramName_;
    int lastPosition_ = initialSliderPosition;
    bool activated_ = false;
};

// A parameter window without a window system (command line, tests).
class HeadlessParameterWindow : public AbstractParameterWindow {
  public:
    HeadlessParameterWindow();

    EditField& minimumField() override { return minimum_; }
    EditField& maximumField() override { return maximum_; }
    EditField& valueField() override { return value_; }
    int sliderPosition() const override { return slider_; }
    void setSliderPosition(int position) override;
    void showCaption(const std::string& caption, const std::string& label) override;
    void hideWindow() override { visible_ = false; }
    void showWindow() override { visible_ = true; }
    int windowTop() const override { return top_; }
    int windowLeft() const override { return left_; }
    int windowOuterHeight() const override { return outerHeight_; }
    void moveWindow(int left, int top) override;

    const std::string& caption() const { return caption_; }
    const std::string& label() const { return label_; }
    bool visible() const { return visible_; }
    void setOuterHeight(int height) { outerHeight_ = height; }

  private:
    PlainEditField minimum_, maximum_, value_;
    int slider_ = initialSliderPosition;
    std::string caption_, label_;
    bool visible_ = false;
    int left_ = 610, top_ = 14, outerHeight_ = 80;
};

} // namespace gyrelune
