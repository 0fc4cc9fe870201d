#pragma once
// The formula edit field: every number and formula of the program is typed
// into one. It compiles its own text and shows malformed texts in dark red.

#include "formula/formulaField.h"

#include <QLineEdit>

namespace gyrelune {

class FormulaLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FormulaLineEdit(QWidget* parent = nullptr);

    CompileResult compileAndMark();
    long double evaluate(EvaluationCode& code) { return field_.evaluate(code); }

    // The UI-free model, kept in step with the widget's text.
    FormulaField& field() { return field_; }

  private:
    void applyMarking(FormulaField::Marking marking);

    FormulaField field_;
};

} // namespace gyrelune
