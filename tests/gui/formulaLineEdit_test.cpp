#include "windows/formulaLineEdit.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>

using namespace gyrelune;

namespace {

QColor base(const FormulaLineEdit& f) {
    return f.palette().color(QPalette::Base);
}
QColor textColour(const FormulaLineEdit& f) {
    return f.palette().color(QPalette::Text);
}

void expectNormal(const FormulaLineEdit& f) {
    EXPECT_EQ(base(f), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(textColour(f), QApplication::palette().color(QPalette::Text));
}

void expectErrorColours(const FormulaLineEdit& f) {
    EXPECT_EQ(base(f), QColor(128, 0, 0));
    EXPECT_EQ(textColour(f), QColor(Qt::white));
}

TEST(FormulaLineEdit, MarksMalformedTextsAndClearsTheMark) {
    FormulaLineEdit f;
    f.setText("1+");
    EXPECT_EQ(f.compileAndMark().fault, CompileResult::Fault::missingOperand);
    expectErrorColours(f);
    f.setText("1");
    EXPECT_TRUE(f.compileAndMark().wellFormed());
    expectNormal(f);
}

TEST(FormulaLineEdit, UnbalancedParenthesesAreMarkedMalformed) {
    FormulaLineEdit f;
    f.setText("2");
    f.compileAndMark();
    f.setText("sin(x*(y+");
    EXPECT_FALSE(f.compileAndMark().wellFormed());
    expectErrorColours(f);

    f.setText("1+");
    f.compileAndMark();
    f.setText("1)");
    EXPECT_FALSE(f.compileAndMark().wellFormed());
    expectErrorColours(f);
    EvaluationCode code;
    EXPECT_EQ(f.evaluate(code), 0.0L); // the queue is empty
    EXPECT_EQ(code, EvaluationCode::ok);
}

TEST(FormulaLineEdit, EvaluatesTheTextLastCompiled) {
    FormulaLineEdit f;
    EvaluationCode code = EvaluationCode::malformed;
    EXPECT_EQ(f.evaluate(code), 0.0L); // nothing compiled yet
    EXPECT_EQ(code, EvaluationCode::ok);

    f.setText("2*pi");
    EXPECT_TRUE(f.compileAndMark().wellFormed());
    expectNormal(f);
    const long double twoPi =
        Real48::fromExtended(2 * 3.14159265358979323846264338327950288L).toExtended();
    EXPECT_EQ(f.evaluate(code), twoPi);
    EXPECT_EQ(code, EvaluationCode::ok);
    EXPECT_EQ(f.field().text, "2*pi");

    f.setText("1/3");
    EXPECT_EQ(f.evaluate(code), twoPi); // not compiled yet
    f.compileAndMark();
    EXPECT_EQ(f.evaluate(code), Real48::fromExtended(1.0L / 3).toExtended());

    f.setText("a*2"); // a name counts as 0
    EXPECT_TRUE(f.compileAndMark().wellFormed());
    expectNormal(f);
    EXPECT_EQ(f.evaluate(code), 0.0L);

    f.setText("1/0"); // numeric trouble does not mark the field
    EXPECT_TRUE(f.compileAndMark().wellFormed());
    expectNormal(f);
    EXPECT_EQ(f.evaluate(code), 0.0L);
    EXPECT_EQ(code, EvaluationCode::divisionByZero);
}

} // namespace

int main(int argc, char** argv) {
    // Also while the test list is collected at build time, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
