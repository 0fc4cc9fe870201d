// "Fájl" > "Film mentése…": keys from the drawn settings, a film in the background.

#include "toolWindowsTestSupport.h"

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "windows/filmDialog.h"
#include "windows/formulaLineEdit.h"

#include <QAction>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

namespace gyrelune::test {
namespace {

TEST(FilmDialogTest, KeysFromTheDrawnSettingsMakeAFilmWhileTheWindowsGoOn) {
    WindowSet windows;
    windows.show();
    MainWindow& main = windows.main();
    main.draw();
    main.saveFilmAction->trigger();
    FilmDialog& dialog = main.filmDialog();
    ASSERT_TRUE(dialog.isVisible());
    QStringList messages;
    dialog.showMessage = [&messages](const QString& text) { messages << text; };
    dialog.addKey();
    main.edit(MainField::zoom)->setText("60");
    main.draw();
    dialog.addKey();
    main.edit(MainField::formulaX)->setText("x");
    main.draw();
    dialog.addKey();
    EXPECT_EQ(messages, QStringList{"A kulcsképeknek ugyanaz a három képlete kell legyen."});
    ASSERT_EQ(dialog.keyList()->count(), 2);
    EXPECT_TRUE(dialog.keyList()->item(1)->text().startsWith("5.00 mp"));

    dialog.secondsBox()->setValue(1);
    dialog.fpsBox()->setValue(4);
    dialog.widthBox()->setValue(32);
    dialog.heightBox()->setValue(24);
    dialog.pointsPerFrame = 20000;
    const auto target = std::filesystem::temp_directory_path() / "gyrelune-film-dialog-test.gif";
    std::filesystem::remove(target);
    dialog.startFilm(QString::fromStdString(target.string()));
    EXPECT_TRUE(dialog.running());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 30000);
    EXPECT_TRUE(std::filesystem::file_size(target) > 0);
    EXPECT_EQ(dialog.progressBar()->value(), 1000);
    std::filesystem::remove(target);
}

} // namespace
} // namespace gyrelune::test
