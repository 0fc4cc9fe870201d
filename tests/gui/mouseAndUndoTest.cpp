// The mouse on the picture, undo, the question before settings are lost, and
// the examples: wiring only; the arithmetic is tested in the core.

#include "guiTestSupport.h"

#include "windows/colourWindow.h"
#include "windows/formulaLineEdit.h"
#include "windows/rotationWindow.h"
#include "windows/toolControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace gyrelune::test {
namespace {

class MouseAndUndoTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ToolWindows tools = main().toolWindows();
        tools.rotation = &windows->rotation();
        main().setToolWindows(tools);
        main().startHistory();
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, image().mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&image(), &event);
    }
    QString text(MainField field) { return main().edit(field)->text(); }
};

TEST_F(MouseAndUndoTest, DragWheelUndoAndTheQuestionOnClose) {
    main().draw();
    mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {140, 110}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {140, 110}, Qt::LeftButton, Qt::NoButton);
    RotationWindow& rotation = windows->rotation();
    EXPECT_EQ(rotation.angleEdits[0]->text(), "5");
    EXPECT_EQ(rotation.angleEdits[1]->text(), "20");
    EXPECT_EQ(rotation.angleSliders[1]->value(), 20);
    // The rotation window's timer draws the new angles.
    QTest::qWait(150);
    EXPECT_NEAR(core().submitted().angleY.toDouble(), 20 * 3.14159265358979 / 180, 1e-9);

    const QPoint at(image().width() / 4, image().height() / 4);
    QWheelEvent wheel(at, image().mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&image(), &wheel);
    EXPECT_EQ(text(MainField::zoom), "139.73023");
    EXPECT_NE(text(MainField::centreX), "0.290");
    EXPECT_NE(text(MainField::centreY), "-0.362");

    EXPECT_EQ(main().undoAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    main().undoAction->trigger();
    EXPECT_EQ(text(MainField::zoom), "111.78418");
    EXPECT_EQ(text(MainField::centreX), "0.290");
    EXPECT_EQ(rotation.angleEdits[1]->text(), "20");
    main().undoAction->trigger();
    EXPECT_EQ(rotation.angleEdits[1]->text(), "0");
    EXPECT_FALSE(main().undoAction->isEnabled());
    main().redoAction->trigger();
    EXPECT_EQ(rotation.angleEdits[1]->text(), "20");

    // A slider dragged through several redraws is undone in one step.
    QSlider& slider = *rotation.angleSliders[1];
    emit slider.sliderPressed();
    for (int position : {30, 40}) {
        slider.setValue(position);
        QTest::qWait(120);
    }
    emit slider.sliderReleased();
    EXPECT_EQ(rotation.angleEdits[1]->text(), "40");
    main().undoAction->trigger();
    EXPECT_EQ(rotation.angleEdits[1]->text(), "20");

    int asked = 0;
    const MainWindow::SaveQuestion previous = MainWindow::setSaveQuestion([&asked](QWidget*) {
        ++asked;
        return int(QMessageBox::Cancel);
    });
    EXPECT_FALSE(main().close());
    MainWindow::setSaveQuestion(previous);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(main().renderThread().isFinished());
}

TEST_F(MouseAndUndoTest, EveryExampleOpensAndDraws) {
    const QList<QAction*> examples = main().examplesMenu->actions();
    ASSERT_GE(examples.size(), 12);
    for (QAction* example : examples) {
        core().withdrawRestartRequest();
        example->trigger();
        EXPECT_TRUE(main().windowTitle().endsWith(example->text()))
            << example->text().toStdString();
        EXPECT_TRUE(core().restartRequested()) << example->text().toStdString();
        EXPECT_FALSE(main().settingsChangedSinceSaved());
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

} // namespace
} // namespace gyrelune::test
