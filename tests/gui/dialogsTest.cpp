// The standard boxes and dialogs: an error box shows its caption, and a file
// dialog lists a folder without reading the files in it.

#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

namespace gyrelune::test {
namespace {

TEST(ErrorBoxTest, IsWideEnoughForItsCaption) {
    const std::unique_ptr<QMessageBox> box = createErrorBox(nullptr, QStringLiteral("I/O error 5"));
    box->show();
    QTest::qWait(10);
    QFont title = box->font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    // The caption, and the title bar's icon and three buttons, each about as
    // wide as the bar is high.
    EXPECT_GE(box->width(), metrics.horizontalAdvance(box->windowTitle()) + 6 * metrics.height());
}

// The names of the files (not folders) opened in a folder since the watch began.
QStringList filesOpened(int watch) {
    QStringList names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = read(watch, buffer, sizeof buffer)) > 0;)
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if ((event->mask & IN_OPEN) && !(event->mask & IN_ISDIR) && event->len)
                names << QString::fromLocal8Bit(event->name);
            at += sizeof(inotify_event) + event->len;
        }
    return names;
}

// A file that blocks its reader (/proc/kmsg) would freeze the program if the
// listing read it; no listed file is opened at all.
TEST(FileDialogTest, ListsAndCompletesWithoutOpeningTheListedFiles) {
    QTemporaryDir dir;
    for (const char* name : {"picture.jpg", "attractor.atr", "kmsg"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n");
    }
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);

    NameOnlyIconProvider icons;
    QFileDialog dialog;
    keepListingsResponsive(dialog, icons);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, dir.path() + QLatin1Char('/'));
    QTest::qWait(500); // the listing and the completer
    dialog.setDirectory(dir.path());
    QTest::qWait(500);
    EXPECT_EQ(filesOpened(watch), QStringList());
    EXPECT_EQ(icons.type(QFileInfo(dir.filePath(QStringLiteral("picture.jpg")))), "JPG fájl");
    close(watch);
}

} // namespace
} // namespace gyrelune::test
