// "Eszközök" > "Attraktor keresése" with the real parameter windows.

#include "toolWindowsTestSupport.h"

#include "app/attractorSearchCommand.h"
#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "formula/realToText.h"
#include "windows/formulaLineEdit.h"
#include "windows/foundAttractorsWindow.h"
#include "windows/parameterWindow.h"
#include "windows/toolControls.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace gyrelune::test {
namespace {

class AttractorSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows = std::make_unique<WindowSet>();
        windows->show();
        search().showMessage = [this](const QString& text) { messages << text; };
        search().freshSeed = [] { return std::uint64_t(424242); };
        search().resultsPerRound = 2;
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
        const Formula& formula = main().renderCore().submitted().formulaX;
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

// Results fill the window in seed order; a click applies one: its values in
// the windows, Draw, and the view Centre fits it to.
TEST_F(AttractorSearchTest, ResultsFillTheWindowAndAClickAppliesOne) {
    main().edit(MainField::formulaX)->setText("sin(x*y*a/pi)+y*b+c");
    main().draw();
    const char* intervals[3][3] = {{"a", "3", "6"}, {"b", "0", "1"}, {"c", "0", "1"}};
    for (const auto& [name, minimum, maximum] : intervals) {
        window(name)->minimumEdit->setText(minimum);
        window(name)->maximumEdit->setText(maximum);
    }
    chooseAndWait();
    ASSERT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    FoundAttractorsWindow& found = search().window();
    EXPECT_TRUE(found.isVisible());
    EXPECT_EQ(found.windowTitle(), "Talált attraktorok");
    EXPECT_TRUE(found.seedLabel->text().contains("--seed 424242"));
    ASSERT_EQ(found.resultCount(), 2);
    EXPECT_TRUE(found.results->item(0)->text().startsWith("λ = 0."));

    const QString zoomBefore = main().edit(MainField::zoom)->text();
    emit found.resultChosen(1);
    const QString value = window("a")->valueEdit->text();
    const double a = value.toDouble();
    EXPECT_GE(a, 3.0);
    EXPECT_LE(a, 6.0);
    EXPECT_EQ(window("a")->slider->value(), qRound((a - 3) / 3 * 1000));
    EXPECT_EQ(pendingValue("a"), value.toStdString()); // Draw handed it over
    EXPECT_NE(main().edit(MainField::zoom)->text(), zoomBefore);

    found.moreButton->click(); // two more, after the first two
    QTRY_VERIFY_WITH_TIMEOUT(!search().running(), 20000);
    EXPECT_EQ(found.resultCount(), 4);
    found.close();
    EXPECT_FALSE(search().running());

    // Nothing found: every candidate settles.
    main().edit(MainField::formulaX)->setText("a*0");
    search().timeLimitSeconds = 0.3;
    chooseAndWait();
    EXPECT_EQ(messages,
              QStringList{"Nem található különös attraktor a paraméterek tartományában."});
}

} // namespace
} // namespace gyrelune::test
