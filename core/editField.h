#pragma once
// A formula edit field as the commands see it: the UI-free model (text and
// compiled formula) and a way to set its text as the program does, so that a
// window shows the new text and runs the field's change handling.

#include "formula/formulaField.h"

#include <functional>
#include <string>

namespace gyrelune {

class EditField {
  public:
    virtual ~EditField() = default;

    // The model; its text must always equal what the field shows.
    virtual FormulaField& field() = 0;
    // Sets the text as the program does; the field's change handling runs when
    // the text differs from the current one.
    virtual void setText(const std::string& text) = 0;

    const std::string& text() { return field().text; }
    CompileResult compileAndMark() { return field().compileAndMark(); }
};

// A field without a window: setText stores the text and then runs onChanged.
class PlainEditField : public EditField {
  public:
    explicit PlainEditField(std::string text = {}) : field_(std::move(text)) {}

    FormulaField& field() override { return field_; }
    void setText(const std::string& text) override;

    std::function<void()> onChanged;

  private:
    FormulaField field_;
};

} // namespace gyrelune
