// "Fájl" > "Poszter mentése…": the dialog over the drawn document, its presets,
// and a render in the background that can be stopped.

#include "guiTestSupport.h"

#include "app/mainWindow.h"
#include "windows/imageWindow.h"
#include "windows/posterDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace gyrelune::test {
namespace {

using PosterDialogTest = GuiTest;

TEST_F(PosterDialogTest, OpensFromTheMenuOverTheDrawing) {
    main().savePosterAction->trigger();
    EXPECT_EQ(main().posterDialog(), nullptr); // nothing drawn yet
    drawAndStop();
    main().savePosterAction->trigger();
    PosterDialog& shown = *main().posterDialog();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.widthBox->value(), image().pictureSize().width());
    shown.presetBox->setCurrentIndex(int(PosterPreset::a4Portrait));
    emit shown.presetBox->activated(int(PosterPreset::a4Portrait));
    EXPECT_EQ(shown.request().size, (PosterSize{2480, 3508, 300}));
}

TEST_F(PosterDialogTest, RendersInTheBackgroundUntilStopped) {
    // The work runs off the UI thread until it is done or stopped.
    PosterRequest asked;
    PosterDialog dialog(nullptr, [&asked](const PosterRequest& request) {
        asked = request;
        return BackgroundJob::Work([](JobControl& control) {
            control.fraction = 0.5;
            while (!control.stop)
                QThread::msleep(1);
            return std::string("stopped");
        });
    });
    dialog.showForWindow({300, 200, 0});
    dialog.fileEdit->setText(QStringLiteral("poster.tif"));
    dialog.qualityBox->setValue(7);
    dialog.saveButton->click();
    EXPECT_TRUE(dialog.rendering());
    EXPECT_FALSE(dialog.saveButton->isEnabled());
    QTRY_COMPARE(dialog.progressBar->value(), 500);
    dialog.cancelButton->click();
    QTRY_VERIFY(!dialog.rendering());
    EXPECT_EQ(dialog.statusLabel->text(), "Megszakítva; a fájl nem készült el.");
    EXPECT_EQ(asked.size, (PosterSize{300, 200, 0}));
    EXPECT_EQ(asked.quality, 7);
    EXPECT_EQ(asked.fileName, "poster.tif");
    EXPECT_TRUE(errors.isEmpty());

    dialog.fileEdit->setText(QStringLiteral("poster.gif"));
    dialog.saveButton->click();
    EXPECT_EQ(errors, QStringList{"A fájl neve .png, .jpg, .tif vagy .exr végű legyen."});
}

} // namespace
} // namespace gyrelune::test
