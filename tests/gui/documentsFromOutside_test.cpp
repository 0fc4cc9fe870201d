// Documents named on the command line or dropped on a window open as
// "Megnyitás" opens them.

#include "toolWindowsTestSupport.h"

#include "app/documentDrops.h"
#include "app/mainWindow.h"
#include "app/startCommandLine.h"
#include "app/windowSet.h"
#include "render/renderThread.h"
#include "windows/colourWindow.h"
#include "windows/fileDialogs.h"
#include "windows/formulaLineEdit.h"
#include "windows/imageWindow.h"
#include "windows/rotationWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace gyrelune::test {
namespace {

const char* const document =
    "a*sin(y)+z\r\ncos(x)\r\nx*0.5\r\n80\r\n0.1\r\n-0.2\r\n10\r\n20\r\n30\r\n"
    "2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n"
    "1\r\na\r\n0\r\n3\r\n1.5\r\n";

class DocumentsFromOutside : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile file(path("doc.atr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document);
        windows = std::make_unique<WindowSet>();
    }
    void TearDown() override {
        windows.reset();
        setOpenFileDialog(previousOpen);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    MainWindow& main() { return windows->main(); }

    // Everything an open sets, and whether its Draw ran.
    QString opened() {
        QStringList parts{main().windowTitle()};
        for (std::size_t i = 0; i < mainFieldCount; ++i)
            parts << main().edit(MainField(i))->text();
        for (int axis = 0; axis < 3; ++axis)
            parts << windows->rotation().angleEdits[std::size_t(axis)]->text();
        for (const ColourStop& stop : windows->colours().colourStops())
            parts << QStringLiteral("%1,%2,%3").arg(stop.red).arg(stop.green).arg(stop.blue);
        parts << QString::number(windows->colours().background());
        const RenderCore& core = main().renderCore();
        parts << QString::fromStdString(core.submitted().formulaX.text);
        for (const Variable& v : core.submitted().formulaX.variables())
            parts << QString::fromStdString(v.name)
                  << QString::number(double(v.value.toExtended()));
        parts << QString::number(main().state().renderStarted);
        return parts.join(QLatin1Char('|'));
    }
    QString openedByMenu(const QString& name) {
        previousOpen =
            setOpenFileDialog([name](QWidget*, const FileDialogRequest&) { return name; });
        main().openAction->trigger();
        return opened();
    }

    // Sends a drag of the files to the widget; returns whether it was taken.
    static bool drag(QWidget& widget, QEvent::Type type, const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        data.setText(files.join(QLatin1Char('\n'))); // as file managers send it too
        const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
        std::unique_ptr<QDropEvent> event;
        if (type == QEvent::DragEnter)
            event = std::make_unique<QDragEnterEvent>(at.toPoint(), Qt::CopyAction, &data,
                                                      Qt::LeftButton, Qt::NoModifier);
        else
            event = std::make_unique<QDropEvent>(at, Qt::CopyAction, &data, Qt::LeftButton,
                                                 Qt::NoModifier);
        event->setAccepted(false);
        QCoreApplication::sendEvent(&widget, event.get());
        QCoreApplication::processEvents();
        return event->isAccepted();
    }

    QTemporaryDir dir;
    std::unique_ptr<WindowSet> windows;
    ErrorBoxes errors;
    FileDialog previousOpen;
};

TEST_F(DocumentsFromOutside, ADocumentNamedOnTheCommandLineOpensAsMegnyitasDoes) {
    StartCommandLine commandLine;
    // A name relative to the working folder becomes the full path of the dialog's answers.
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(commandLine.parse({QStringLiteral("gyrelune"), QStringLiteral("doc.atr")}));
    QDir::setCurrent(saved);
    EXPECT_EQ(commandLine.document().toStdString(), path("doc.atr").toStdString());

    windows->start(commandLine.document());
    const QString started = opened();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join(';').toStdString();
    EXPECT_TRUE(started.startsWith("Gyrelune 1.0b    " + path("doc.atr") + "|a*sin(y)+z|"));
    EXPECT_TRUE(started.endsWith("|1,2,3|4,5,6|591879|a*sin(y)+z|a|1.5|y|0|z|0|1"))
        << started.toStdString();
    EXPECT_TRUE(main().parameterList().findWindow("a"));

    main().edit(MainField::formulaX)->setText("x");
    windows->colours().colourStops().clear();
    main().draw();
    EXPECT_EQ(openedByMenu(path("doc.atr")).toStdString(), started.toStdString());
}

TEST_F(DocumentsFromOutside, AnUnreadableDocumentArgumentShowsTheErrorBoxAndKeepsTheDefaults) {
    windows->show();
    const QString defaults = opened();
    windows->start(path("missing.atr"));
    EXPECT_EQ(errors.messages, QStringList{"File not found: " + path("missing.atr")});
    EXPECT_EQ(opened().toStdString(), defaults.toStdString());
    EXPECT_FALSE(main().state().renderStarted);
}

TEST_F(DocumentsFromOutside, AnAtrDroppedOnEitherWindowOpensItAndOtherFilesAreRefused) {
    windows->show();
    QWidget* targets[] = {&main(), &windows->image()};
    for (QWidget* target : targets) {
        EXPECT_TRUE(target->acceptDrops());
        EXPECT_FALSE(drag(*target, QEvent::DragEnter, {path("notes.txt")}));
        EXPECT_FALSE(drag(*target, QEvent::DragEnter, {path("doc.atr"), path("doc.atr")}));
        EXPECT_FALSE(drag(*target, QEvent::Drop, {path("notes.txt")}));
        EXPECT_FALSE(main().state().renderStarted);
    }
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");

    const QString byMenu = openedByMenu(path("doc.atr"));
    for (QWidget* target : targets) {
        main().edit(MainField::formulaX)->setText("x");
        EXPECT_TRUE(drag(*target, QEvent::DragEnter, {path("doc.atr")}));
        EXPECT_TRUE(drag(*target, QEvent::Drop, {path("doc.atr")}));
        EXPECT_EQ(opened().toStdString(), byMenu.toStdString())
            << target->windowTitle().toStdString();
    }
    // A formula field takes an .atr drop for its window rather than as text.
    main().edit(MainField::formulaX)->setText("x");
    EXPECT_TRUE(drag(main(), QEvent::DragEnter, {path("DOC.ATR")}));
    FormulaLineEdit& field = *main().edit(MainField::formulaY);
    EXPECT_TRUE(drag(field, QEvent::DragEnter, {path("doc.atr")}));
    EXPECT_TRUE(drag(field, QEvent::Drop, {path("doc.atr")}));
    EXPECT_EQ(opened().toStdString(), byMenu.toStdString());
    EXPECT_TRUE(errors.messages.isEmpty());
}

} // namespace
} // namespace gyrelune::test
