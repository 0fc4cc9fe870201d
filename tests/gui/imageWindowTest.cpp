// The image window, its shortcut menu and the resolution dialog.

#include "guiTestSupport.h"

#include "windows/resolutionDialog.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace gyrelune::test {
namespace {

using ImageWindowTest = GuiTest;

QImage filled(QSize size, Qt::GlobalColor colour) {
    QImage picture(size, QImage::Format_BGR888);
    picture.fill(colour);
    return picture;
}

TEST_F(ImageWindowTest, ShortcutMenuInItsOrder) {
    QStringList texts;
    for (QAction* item : image().contextMenu()->actions())
        texts << item->text();
    EXPECT_EQ(texts, QStringList({"Színek", "Paraméterek", "Felbontás", "Forgat", "Kép mentése",
                                  "Főablak"}));
    // "Forgat" activates and shows the rotation window.
    image().contextMenu()->actions()[3]->trigger();
    EXPECT_TRUE(rotation.rotationActive);
    EXPECT_TRUE(rotation.window.isVisible());
}

TEST_F(ImageWindowTest, ResizeRestartsAtTheNewPictureSize) {
    core().withdrawRestartRequest();
    image().resize(301, 202);
    EXPECT_TRUE(core().restartRequested());
    EXPECT_EQ(core().clientWidth(), 301);
    EXPECT_EQ(core().clientHeight(), 202);
}

// Run also with QT_SCALE_FACTOR=2: the dialog speaks of picture pixels.
TEST_F(ImageWindowTest, ResolutionDialogSetsThePictureSizeExactly) {
    const int ratio = qRound(image().devicePixelRatioF());
    image().resize(600 / ratio, 400 / ratio);
    main().resolutionAction->trigger();
    ResolutionDialog& dialog = windows->resolution();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Felbontás");
    EXPECT_TRUE(dialog.width() >= 273 && dialog.height() >= 42);
    EXPECT_EQ(dialog.widthEdit->text(), "600");
    EXPECT_EQ(dialog.heightEdit->text(), "400");

    core().withdrawRestartRequest();
    dialog.okButton->click();
    EXPECT_EQ(image().pictureSize(), QSize(600, 400));

    dialog.widthEdit->setText("800");
    dialog.heightEdit->setText("600");
    dialog.okButton->click();
    EXPECT_EQ(image().pictureSize(), QSize(800, 600));
    EXPECT_EQ(core().clientWidth(), 800);
    EXPECT_EQ(core().clientHeight(), 600);
    EXPECT_TRUE(core().restartRequested());
    EXPECT_TRUE(dialog.isVisible());

    dialog.widthEdit->setText("640px");
    dialog.okButton->click();
    EXPECT_EQ(image().pictureSize(), QSize(640, 600));

    // Sizes the window or the picture memory could not follow are kept within
    // bounds, and the fields say what the picture got.
    const struct {
        const char *width, *height;
        QSize client;
    } bounds[] = {
        {"0", "abc", QSize(ImageWindow::smallestSide, ImageWindow::smallestSide)},
        {"-5", "99999", QSize(ImageWindow::smallestSide, ImageWindow::largestSide / ratio)}};
    for (const auto& b : bounds) {
        dialog.widthEdit->setText(b.width);
        dialog.heightEdit->setText(b.height);
        dialog.okButton->click();
        EXPECT_EQ(image().size(), b.client) << b.width << " " << b.height;
        EXPECT_EQ(dialog.widthEdit->text(), QString::number(image().pictureSize().width()));
        EXPECT_EQ(dialog.heightEdit->text(), QString::number(image().pictureSize().height()));
    }
}

TEST_F(ImageWindowTest, DoubleClickBringsTheMainWindowBesideTheMouse) {
    QTest::mouseMove(&image(), QPoint(100, 50));
    EXPECT_EQ(image().lastMouseX(), 100);
    EXPECT_EQ(image().lastMouseY(), 50);
    QTest::mouseDClick(&image(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(main().pos(), QPoint(110, 60));
    EXPECT_TRUE(main().isVisible());
}

TEST_F(ImageWindowTest, AltCentres) {
    drawAndStop();
    main().edit(MainField::centreX)->setText("7");
    image().activateWindow();
    QTest::keyClick(&image(), Qt::Key_Alt, Qt::AltModifier);
    EXPECT_NE(main().edit(MainField::centreX)->text(), "7");
}

TEST_F(ImageWindowTest, HandOffsReachTheScreenAtTheDisplayRate) {
    const QSize size = image().pictureSize();
    const QImage red = filled(size, Qt::red), green = filled(size, Qt::green);
    image().drawPicture(red);
    EXPECT_EQ(image().shownPicture().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image().copiesMade(), 1);

    // A burst of hand-offs is copied at most once per display interval.
    QElapsedTimer burst;
    burst.start();
    for (int i = 0; i < 300; ++i)
        image().drawPicture(i % 2 ? red : green);
    EXPECT_LE(image().copiesMade(), 2 + burst.elapsed() / ImageWindow::copyIntervalMs);

    // A hand-off after the interval is shown (the interval grows after a slow
    // copy and paint, as under a sanitizer).
    QElapsedTimer wait;
    wait.start();
    do {
        QTest::qWait(ImageWindow::copyIntervalMs + 5);
        image().drawPicture(green);
    } while (image().shownPicture().pixelColor(5, 5) != QColor(Qt::green) && wait.elapsed() < 3000);
    EXPECT_EQ(image().shownPicture().pixelColor(5, 5), QColor(Qt::green));
}

// Run also with QT_SCALE_FACTOR=2: one picture pixel per device pixel.
TEST_F(ImageWindowTest, PictureIsDrawnPixelForPixel) {
    const qreal ratio = image().devicePixelRatioF();
    if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2) {
        EXPECT_EQ(ratio, 2.0);
    }
    const QSize size = image().pictureSize();
    EXPECT_EQ(size, QSize(qRound(image().width() * ratio), qRound(image().height() * ratio)));
    EXPECT_EQ(core().clientWidth(), size.width());

    QImage picture(size, QImage::Format_BGR888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    image().drawPicture(picture);
    const QImage screen = image().grab().toImage();
    ASSERT_EQ(screen.size(), size);
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(7, 3), QPoint(10, 10)})
        EXPECT_EQ(screen.pixelColor(at), picture.pixelColor(at)) << at.x() << "," << at.y();
}

} // namespace
} // namespace gyrelune::test
