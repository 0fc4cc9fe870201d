#pragma once
// A formula edit field widget as the UI-free commands see it.

#include "editField.h"
#include "strFunct.h"

namespace gyrelune {

class TstrFunctField : public EditField {
  public:
    explicit TstrFunctField(TstrFunct& widget) : widget_(widget) {}

    FormulaField& field() override { return widget_.field(); }
    // The widget's own change signal runs the field's change handling.
    void setText(const std::string& text) override {
        widget_.setText(QString::fromStdString(text));
    }
    TstrFunct& widget() { return widget_; }

  private:
    TstrFunct& widget_;
};

} // namespace gyrelune
