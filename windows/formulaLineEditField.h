#pragma once
// A formula edit field widget as the UI-free commands see it.

#include "core/editField.h"
#include "windows/formulaLineEdit.h"

namespace gyrelune {

class FormulaLineEditField : public EditField {
  public:
    explicit FormulaLineEditField(FormulaLineEdit& widget) : widget_(widget) {}

    FormulaField& field() override { return widget_.field(); }
    // The widget's own change signal runs the field's change handling.
    void setText(const std::string& text) override {
        widget_.setText(QString::fromStdString(text));
    }
    FormulaLineEdit& widget() { return widget_; }

  private:
    FormulaLineEdit& widget_;
};

} // namespace gyrelune
