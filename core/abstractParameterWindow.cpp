#include "core/abstractParameterWindow.h"

#include "core/uiText.h"

namespace gyrelune {

// The fields are compiled for their marks; a malformed one reads 0.
void AbstractParameterWindow::initialise() {
    minimumField().compileAndMark();
    maximumField().compileAndMark();
    valueField().compileAndMark();
    setSliderPosition(initialSliderPosition);
    lastPosition_ = initialSliderPosition;
    activated_ = false;
}

void AbstractParameterWindow::updateCaption() {
    std::string caption = translate("gyrelune::ParameterWindow", "%1 jelű konstans");
    if (const auto at = caption.find("%1"); at != std::string::npos)
        caption.replace(at, 2, paramName_);
    showCaption(caption, paramName_ + ":=");
}

void AbstractParameterWindow::placeSlider() {
    minimumField().compileAndMark();
    maximumField().compileAndMark();
    valueField().compileAndMark();
    const Real48 minimum = minimumField().field().value();
    const Real48 maximum = maximumField().field().value();
    const Real48 value = valueField().field().value();
    if (const auto position = gyrelune::sliderPosition(minimum, maximum, value))
        setSliderPosition(*position);
}

void AbstractParameterWindow::setValueText(const std::string& text) {
    valueField().setText(text);
    // While not activated the slider's move leaves the text unquantised.
    const bool wasActivated = activated_;
    activated_ = false;
    try {
        placeSlider();
    } catch (...) {
        activated_ = wasActivated;
        throw;
    }
    activated_ = wasActivated;
    lastPosition_ = sliderPosition();
}

void AbstractParameterWindow::sliderChanged() {
    if (!activated_) return;
    const Real48 minimum = minimumField().field().value();
    const Real48 maximum = maximumField().field().value();
    valueField().setText(parameterText(sliderValue(minimum, maximum, sliderPosition())));
}

void AbstractParameterWindow::sliderKeyDown(int key) {
    if (key != vkBack && key != vkShift) return;
    const Real48 value = valueField().field().value();
    const Real48 minimum = minimumField().field().value();
    const Real48 maximum = maximumField().field().value();
    // Computed whole before any text changes, so an overflow leaves the texts.
    const ParameterInterval scaled = scaleInterval(
        value, minimum, maximum, key == vkBack ? IntervalScaling::twice : IntervalScaling::halve);
    const std::string minimumText = parameterText(scaled.minimum);
    const std::string maximumText = parameterText(scaled.maximum);
    minimumField().setText(minimumText);
    maximumField().setText(maximumText);
    minimumField().compileAndMark();
    maximumField().compileAndMark();
}

bool AbstractParameterWindow::pollSlider(bool pictureReady) {
    const int position = sliderPosition();
    if (position == lastPosition_) return false;
    if (!activated_) {
        lastPosition_ = position;
        return false;
    }
    if (!pictureReady) return false;
    lastPosition_ = position;
    return true;
}

HeadlessParameterWindow::HeadlessParameterWindow()
    : minimum_(initialMinimumText), maximum_(initialMaximumText), value_(initialValueText) {
    minimum_.onChanged = [this] { minimumChanged(); };
    maximum_.onChanged = [this] { maximumChanged(); };
}

void HeadlessParameterWindow::setSliderPosition(int position) {
    if (position < 0) position = 0;
    if (position > parameterSliderMaximum) position = parameterSliderMaximum;
    if (position == slider_) return;
    slider_ = position;
    sliderChanged();
}

void HeadlessParameterWindow::showCaption(const std::string& caption, const std::string& label) {
    caption_ = caption;
    label_ = label;
}

void HeadlessParameterWindow::moveWindow(int left, int top) {
    left_ = left;
    top_ = top;
}

} // namespace gyrelune
