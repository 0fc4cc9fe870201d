// Every window shows its texts whole: each label, button and field against its
// contents rectangle, none running into another, at the default font and at a
// 14-point one (ctest runs this also at 150 % and 200 % scaling). With
// GYRELUNE_SHOTS naming a folder, under a real X server, each window is saved
// there with its frame as <window>-<font>.png.

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "formula/real48.h"
#include "render/renderThread.h"
#include "windows/aboutWindow.h"
#include "windows/colourWindow.h"
#include "windows/helpWindow.h"
#include "windows/imageWindow.h"
#include "windows/parameterWindow.h"
#include "windows/resolutionDialog.h"
#include "windows/rotationWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace gyrelune::test {
namespace {

struct FontCase {
    const char* name;
    int pointSize; // 0: the default font
};

struct Shown {
    const char* name;
    QWidget* window;
    QSize leastClient; // empty: resizable
};

// The room a control leaves its text, and what the text needs.
struct Fit {
    QSize room, need;
};

Fit labelFit(const QLabel& label) {
    return {label.contentsRect().size(), label.fontMetrics().size(0, label.text())};
}

Fit buttonFit(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    if (auto* push = qobject_cast<const QPushButton*>(&button); push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return {room.size(), button.fontMetrics().size(Qt::TextShowMnemonic, button.text())};
}

Fit lineEditFit(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    // Two pixels of margin each side of the text, and one for the cursor.
    const QFontMetrics metrics = edit.fontMetrics();
    return {QSize(contents.width() - 2 * 2, contents.height()),
            QSize(metrics.horizontalAdvance(edit.text()) + 1, metrics.height())};
}

// The controls of a window that show a text, each with its fit.
std::vector<std::pair<QWidget*, Fit>> textControls(QWidget* window) {
    std::vector<std::pair<QWidget*, Fit>> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() != window || !child->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(child))
            controls.emplace_back(child, labelFit(*label));
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            controls.emplace_back(child, buttonFit(*button));
        else if (auto* edit = qobject_cast<QLineEdit*>(child))
            controls.emplace_back(child, lineEditFit(*edit));
    }
    return controls;
}

QString describe(const char* window, QWidget* control) {
    const QString text = control->property("text").toString();
    return QStringLiteral("%1: %2 \"%3\"")
        .arg(window, control->metaObject()->className(), text.left(30));
}

// Each control's text fits it, and no control leaves its window or runs into another.
void expectTextsFit(const Shown& shown) {
    const auto controls = textControls(shown.window);
    const auto place = [&shown](QWidget* control) {
        return QRect(control->mapTo(shown.window, QPoint()), control->size());
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& [control, fit] = controls[i];
        EXPECT_TRUE(fit.need.width() <= fit.room.width() && fit.need.height() <= fit.room.height())
            << describe(shown.name, control).toStdString() << " needs " << fit.need.width() << " x "
            << fit.need.height() << ", has " << fit.room.width() << " x " << fit.room.height();
        EXPECT_TRUE(shown.window->rect().contains(place(control)))
            << describe(shown.name, control).toStdString() << " lies outside its window";
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place(control).intersects(place(controls[j].first)))
                << describe(shown.name, control).toStdString() << " runs into "
                << describe(shown.name, controls[j].first).toStdString();
    }
}

class WindowTextsFit : public ::testing::TestWithParam<FontCase> {
  protected:
    void SetUp() override {
        defaultFont_ = QApplication::font();
        if (GetParam().pointSize) {
            QFont font = defaultFont_;
            font.setPointSize(GetParam().pointSize);
            QApplication::setFont(font);
        }
        windows = std::make_unique<WindowSet>();
        windows->show();
    }
    void TearDown() override {
        windows.reset();
        QApplication::setFont(defaultFont_);
    }

    // Every window on the screen, its controls holding the widest texts they show.
    std::vector<Shown> showEveryWindow();
    void saveShots(const std::vector<Shown>& windows);

    std::unique_ptr<WindowSet> windows;

  private:
    QFont defaultFont_;
};

std::vector<Shown> WindowTextsFit::showEveryWindow() {
    MainWindow& main = windows->main();
    main.edit(MainField::formulaZ)->setText("1.93*cos(y*x)+alpha*sin(x)");
    main.draw();
    main.toggleStop(); // "Folytat"
    QTest::qWait(100);
    RenderCore& core = main.renderCore();
    RenderCore::Published published = core.published();
    Ranges& shown = published.ranges;
    for (Real48* low : {&shown.xMin, &shown.yMin, &shown.zMin})
        *low = Real48::fromExtended(-9.999L);
    for (Real48* high : {&shown.xMax, &shown.yMax, &shown.zMax})
        *high = Real48::fromExtended(9.999L);
    core.publish(published);
    main.updateStatusLine();

    auto& alpha = dynamic_cast<ParameterWindow&>(*main.parameterList().findWindow("alpha"));
    alpha.minimumEdit->setText("-0.50000");
    alpha.maximumEdit->setText("1.50000");
    alpha.valueEdit->setText("-0.50000");
    main.showParameterWindows();
    main.showRotationWindow();
    windows->rotation().angleEdits[0]->setText("359");
    main.showColourWindow();
    main.showResolutionDialog();
    main.showHelp();
    main.showAbout();
    QTest::qWait(50); // the layouts settle

    return {{"main", &main, QSize(571, 148)},
            {"image", &windows->image(), QSize()},
            {"rotation", &windows->rotation(), QSize(297, 122)},
            {"colour", &windows->colours(), QSize(329, 89)},
            {"parameter", &alpha, QSize(485, 55)},
            {"resolution", &windows->resolution(), QSize(273, 42)},
            {"help", &windows->help(), QSize()},
            {"about", &windows->about(), QSize(217, 114)}};
}

// One window at a time, so that none stands in front of another.
void WindowTextsFit::saveShots(const std::vector<Shown>& windows) {
    const QString folder = qEnvironmentVariable("GYRELUNE_SHOTS");
    if (folder.isEmpty()) return;
    for (const Shown& shown : windows) {
        for (const Shown& other : windows)
            other.window->setVisible(other.window == shown.window);
        QTest::qWait(400);
        const QRect frame = shown.window->frameGeometry();
        const QPixmap shot = shown.window->screen()->grabWindow(0, frame.x(), frame.y(),
                                                                frame.width(), frame.height());
        shot.save(QStringLiteral("%1/%2-%3.png").arg(folder, shown.name, GetParam().name));
    }
}

TEST_P(WindowTextsFit, EveryTextShowsWholeAndFixedWindowsOfferNoMaximise) {
    const std::vector<Shown> shownWindows = showEveryWindow();
    for (const Shown& shown : shownWindows) {
        ASSERT_TRUE(shown.window->isVisible()) << shown.name;
        if (shown.leastClient.isValid()) {
            EXPECT_EQ(shown.window->minimumSize(), shown.window->maximumSize()) << shown.name;
            EXPECT_FALSE(shown.window->windowFlags() & Qt::WindowMaximizeButtonHint) << shown.name;
            const QWidget* client =
                shown.window == &windows->main() ? windows->main().centralWidget() : shown.window;
            EXPECT_TRUE(client->width() >= shown.leastClient.width() &&
                        client->height() >= shown.leastClient.height())
                << shown.name;
        }
        expectTextsFit(shown);
    }
    saveShots(shownWindows);
}

INSTANTIATE_TEST_SUITE_P(Fonts, WindowTextsFit,
                         ::testing::Values(FontCase{"default", 0}, FontCase{"14pt", 14}),
                         [](const auto& info) {
                             return std::string(info.param.name) == "14pt"
                                        ? std::string("FourteenPoint")
                                        : std::string("Default");
                         });

} // namespace
} // namespace gyrelune::test
