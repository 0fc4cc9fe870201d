// "Eszközök" > "Attraktor keresése" with the real parameter windows.

#include "toolWindowsTestSupport.h"

#include "app/attractorSearchCommand.h"
#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "formula/realToText.h"
#include "formula/widget/formulaLineEdit.h"
#include "windows/parameterWindow.h"
#include "windows/toolControls.h"

#include <QAction>
#include <QTest>

namespace gyrelune::test {
namespace {

class AttractorSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows = std::make_unique<WindowSet>();
        windows->show();
        search().showMessage = [this](const QString& text) { messages << text; };
    }
    MainWindow& main() { return windows->main(); }
    AttractorSearchCommand& search() { return main().attractorSearch(); }
    ParameterWindow* window(const char* name) {
        return dynamic_cast<ParameterWindow*>(main().parameterList().findWindow(name));
    }
    void chooseAndWait() {
        search().action()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!search().running(), 20000);
    }
    std::string pendingValue(const char* name) {
        const Formula& formula = main().renderCore().pendingSettings.formulaX;
        return realToText(5, formula.variables()[std::size_t(formula.findVariable(name))].value);
    }

    std::unique_ptr<WindowSet> windows;
    ErrorBoxes errors;
    QStringList messages;
};

TEST_F(AttractorSearchTest, NeedsParameters) {
    chooseAndWait(); // the default formulas have constants only
    EXPECT_EQ(messages, QStringList{"A képletekben nincs paraméter."});
}

TEST_F(AttractorSearchTest, AResultGoesIntoTheWindowsAndIsDrawnAndTheNextFollows) {
    main().edit(MainField::formulaX)->setText("sin(x*y*a/pi)+y*b+c");
    main().draw();
    const char* intervals[3][3] = {{"a", "3", "6"}, {"b", "0", "1"}, {"c", "0", "1"}};
    for (const auto& [name, minimum, maximum] : intervals) {
        window(name)->minimumEdit->setText(minimum);
        window(name)->maximumEdit->setText(maximum);
    }
    chooseAndWait();
    ASSERT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    const QString first = window("a")->valueEdit->text();
    EXPECT_NE(first, "0");
    const double a = first.toDouble();
    EXPECT_GE(a, 3.0);
    EXPECT_LE(a, 6.0);
    EXPECT_EQ(window("a")->slider->value(), qRound((a - 3) / 3 * 1000));
    EXPECT_EQ(pendingValue("a"), first.toStdString()); // Draw handed it over

    chooseAndWait();
    EXPECT_NE(window("a")->valueEdit->text(), first);

    // Nothing found: every candidate settles.
    main().edit(MainField::formulaX)->setText("a*0");
    search().timeLimitSeconds = 0.3;
    const QString before = window("a")->valueEdit->text();
    chooseAndWait();
    EXPECT_EQ(messages,
              QStringList{"Nem található különös attraktor a paraméterek tartományában."});
    EXPECT_EQ(window("a")->valueEdit->text(), before);
}

} // namespace
} // namespace gyrelune::test
