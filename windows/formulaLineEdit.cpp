#include "windows/formulaLineEdit.h"

#include <QApplication>

namespace gyrelune {

FormulaLineEdit::FormulaLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& t) { field_.text = t.toStdString(); });
    field_.onMarked = [this](FormulaField::Marking m) { applyMarking(m); };
}

CompileResult FormulaLineEdit::compileAndMark() {
    field_.text = text().toStdString();
    return field_.compileAndMark();
}

void FormulaLineEdit::applyMarking(FormulaField::Marking marking) {
    QPalette p = palette();
    const QPalette system = QApplication::palette();
    const bool error = marking == FormulaField::Marking::error;
    p.setColor(QPalette::Base, error ? QColor(128, 0, 0) : system.color(QPalette::Base));
    p.setColor(QPalette::Text, error ? QColor(Qt::white) : system.color(QPalette::Text));
    setPalette(p);
}

} // namespace gyrelune
