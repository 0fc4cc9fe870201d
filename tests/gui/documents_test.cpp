// Open, save and save as through the main window's menu, with the real
// rotation, colour and parameter windows.

#include "toolWindowsTestSupport.h"
#include "windows/imageWindow.h"

#include "app/mainWindow.h"
#include "app/windowSet.h"
#include "render/renderThread.h"
#include "windows/colourWindow.h"
#include "windows/fileDialogs.h"
#include "windows/formulaLineEdit.h"
#include "windows/parameterWindow.h"
#include "windows/rotationWindow.h"
#include "windows/toolControls.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sstream>
#include <sys/resource.h>

namespace gyrelune::test {
namespace {

const char* const defaultDocument =
    "sin(x*y*4.36/pi)+y*0.453+0.45\r\n"
    "1.795*cos(x)-1.5324*sin(x*1.65/pi)\r\n"
    "1.93*cos(y*x)+0.49*sin(x)\r\n"
    "111.78418\r\n0.290\r\n-0.362\r\n"
    "0\r\n0\r\n0\r\n"
    "4\r\n255\r\n0\r\n0\r\n255\r\n255\r\n0\r\n0\r\n255\r\n0\r\n0\r\n0\r\n"
    "255\r\n"
    "0\r\n0\r\n0\r\n"
    "0\r\n";

// What Draw handed to the render thread: together it decides the picture.
std::string handedOver(const RenderCore& core) {
    std::ostringstream out;
    out << std::hexfloat;
    for (const Formula* formula :
         {&core.submitted().formulaX, &core.submitted().formulaY, &core.submitted().formulaZ}) {
        out << formula->text << ';';
        for (const Variable& v : formula->variables())
            out << v.name << v.value.toExtended() << ';';
    }
    for (Real48 value : {core.submitted().zoom, core.submitted().centreX, core.submitted().centreY,
                         core.submitted().angleX, core.submitted().angleY, core.submitted().angleZ})
        out << value.toExtended() << ';';
    out << core.submitted().gain << ';' << core.submitted().background;
    for (const ColourStop& stop : core.submitted().colours)
        out << ';' << int(stop.red) << ',' << int(stop.green) << ',' << int(stop.blue);
    return out.str();
}

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousOpen_ = setOpenFileDialog([this](QWidget*, const FileDialogRequest& request) {
            openRequests << request.filters.join(";;") + "|" + request.defaultSuffix;
            return openAnswer;
        });
        previousSave_ = setSaveFileDialog([this](QWidget*, const FileDialogRequest& request) {
            saveRequests << request.filters.join(";;") + "|" + request.defaultSuffix;
            return saveAnswer;
        });
        windows = std::make_unique<WindowSet>();
        windows->show();
    }
    void TearDown() override {
        windows.reset();
        setOpenFileDialog(previousOpen_);
        setSaveFileDialog(previousSave_);
    }

    MainWindow& main() { return windows->main(); }
    RotationWindow& rotation() { return windows->rotation(); }
    ColourWindow& colours() { return windows->colours(); }
    RenderCore& core() { return main().renderCore(); }
    QString file(const char* name) const { return dir.filePath(name); }

    void open(const QString& name) {
        openAnswer = name;
        main().openAction->trigger();
    }
    void saveAs(const QString& name) {
        saveAnswer = name;
        main().saveAsAction->trigger();
    }
    static QByteArray contents(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void write(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    ParameterWindow* parameterWindow(const char* name) {
        return dynamic_cast<ParameterWindow*>(main().parameterList().findWindow(name));
    }
    QString caption(const QString& name) const { return "Gyrelune 1.0b    " + name; }

    QTemporaryDir dir;
    std::unique_ptr<WindowSet> windows;
    ErrorBoxes errors;
    QString openAnswer, saveAnswer;
    QStringList openRequests, saveRequests;

  private:
    FileDialog previousOpen_, previousSave_;
};

TEST_F(DocumentTest, TheDefaultSetUpSavedAfterOneDrawOpensToTheSameDrawing) {
    main().draw();
    const std::string drawn = handedOver(core());
    saveAs(file("default.atr"));
    EXPECT_EQ(saveRequests, QStringList{"attraktor fájlok (*.atr)|atr"});
    // The gain and the picture size follow the parameter part.
    const QSize size = windows->image().pictureSize();
    EXPECT_EQ(contents(file("default.atr")), QByteArray(defaultDocument) + "1500\r\n" +
                                                 QByteArray::number(size.width()) + "\r\n" +
                                                 QByteArray::number(size.height()) + "\r\n");
    EXPECT_EQ(main().windowTitle(), caption(file("default.atr")));

    // Draw something else, then open the document again.
    main().edit(MainField::formulaX)->setText("sin(x)");
    main().edit(MainField::zoom)->setText("50");
    rotation().angleEdits[1]->setText("30");
    colours().colourStops() = {{1, 2, 3}, {4, 5, 6}};
    colours().background() = packColour(7, 8, 9);
    main().draw();
    ASSERT_NE(handedOver(core()), drawn);

    open(file("default.atr"));
    EXPECT_EQ(openRequests, QStringList{"attraktor fájlok (*.atr)|"});
    EXPECT_EQ(main().edit(MainField::formulaX)->text(), "sin(x*y*4.36/pi)+y*0.453+0.45");
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "111.78418");
    EXPECT_EQ(rotation().angleEdits[1]->text(), "0");
    EXPECT_EQ(rotation().angleSliders[1]->value(), 0);
    EXPECT_EQ(colours().colourStops(), defaultColourStops());
    EXPECT_EQ(colours().background(), 0);
    EXPECT_EQ(colours().zMinSwatch->canvas().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(colours().backgroundSwatch->canvas().pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(handedOver(core()), drawn);
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(DocumentTest, AWrittenDocumentHasALinePerFieldStopAndParameterAllEndedByCrLf) {
    main().edit(MainField::formulaX)->setText("a*sin(x*y)+b");
    main().edit(MainField::formulaY)->setText("c*cos(x)");
    main().draw();
    colours().colourStops().push_back({9, 9, 9}); // not drawn: not saved
    parameterWindow("b")->valueEdit->setText("0.75");
    saveAs(file("params.atr"));

    const QByteArray bytes = contents(file("params.atr"));
    const int n = 4, m = 3;
    // Then the picture part: gain, width, height.
    EXPECT_EQ(bytes.count("\r\n"), 14 + 3 * n + 4 * m + 3);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    const QSize size = windows->image().pictureSize();
    EXPECT_TRUE(bytes.endsWith("\r\n3\r\na\r\n-2\r\n2\r\n0\r\nb\r\n-2\r\n2\r\n0.75\r\n"
                               "c\r\n-2\r\n2\r\n0\r\n1500\r\n" +
                               QByteArray::number(size.width()) + "\r\n" +
                               QByteArray::number(size.height()) + "\r\n"));
}

TEST_F(DocumentTest, OpeningReplacesColoursAndParameterWindowsAndKeepsTheGain) {
    // Five stops and windows for a and b before the open.
    main().edit(MainField::formulaX)->setText("a*x+b");
    main().draw();
    colours().colourStops().insert(colours().colourStops().begin() + 1, {1, 1, 1});
    main().edit(MainField::gain)->setText("777");
    main().showParameterWindows();
    const QPointer<ParameterWindow> oldA = parameterWindow("a");

    QByteArray document = "q*x\r\ny\r\nz\r\n100\r\n0\r\n0\r\n10\r\n20\r\n30\r\n"
                          "2\r\n10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n1\r\n2\r\n3\r\n"
                          "2\r\nq\r\n0\r\n1\r\n0.25\r\nunused\r\n-1\r\n1\r\n0\r\n";
    write(file("two.atr"), document);
    open(file("two.atr"));
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(main().windowTitle(), caption(file("two.atr")));
    EXPECT_EQ(main().edit(MainField::gain)->text(), "777");
    EXPECT_EQ(colours().colourStops(), (ColourStops{{10, 20, 30}, {40, 50, 60}}));
    EXPECT_EQ(colours().background(), packColour(1, 2, 3));
    EXPECT_EQ(colours().zMaxSwatch->canvas().pixelColor(0, 0), QColor(40, 50, 60));
    EXPECT_EQ(core().submitted().colours, colours().colourStops());
    EXPECT_EQ(rotation().angleSliders[2]->value(), 30);

    // The old windows are gone, the unused stored one closed by the Draw.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oldA.isNull());
    EXPECT_EQ(parameterWindow("a"), nullptr);
    EXPECT_EQ(parameterWindow("unused"), nullptr);
    ParameterWindow* q = parameterWindow("q");
    ASSERT_NE(q, nullptr);
    EXPECT_FALSE(q->isVisible());
    EXPECT_EQ(q->valueEdit->text(), "0.25");
    EXPECT_EQ(q->slider->value(), 250);
    EXPECT_EQ(core().submitted().formulaX.variables().at(0).value, Real48::fromExtended(0.25L));

    // Without a parameter part: the Draw gives q a default window again.
    document.truncate(document.indexOf("\r\n2\r\nq") + 2);
    write(file("short.atr"), document);
    open(file("short.atr"));
    q = parameterWindow("q");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->valueEdit->text(), "0");
    EXPECT_EQ(q->minimumEdit->text(), "-2");
    EXPECT_EQ(main().parameterList().liveCount(), 1u);
}

TEST_F(DocumentTest, RetiredParameterWindowsAreFreedOnceTheirHandlerHasReturned) {
    QByteArray document = QByteArray(defaultDocument).replace("1.93*cos(y*x)", "a*b");
    document.chop(3); // no parameters
    write(file("two.atr"), document + "2\r\na\r\n-2\r\n2\r\n0\r\nb\r\n-2\r\n2\r\n1\r\n");
    for (int i = 0; i < 5; ++i)
        open(file("two.atr"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main().findChildren<ParameterWindow*>().size(), 2);

    // Enter in a's value field draws, and the Draw retires a.
    const QPointer<ParameterWindow> a = parameterWindow("a");
    ASSERT_FALSE(a.isNull());
    main().edit(MainField::formulaZ)->setText("b");
    QTest::keyClick(a->valueEdit, Qt::Key_Return);
    EXPECT_EQ(parameterWindow("a"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
    EXPECT_EQ(main().findChildren<ParameterWindow*>().size(), 1);
}

TEST_F(DocumentTest, ANewParameterTakesAFreedSlotInTheColumnAndTheDocument) {
    main().edit(MainField::formulaX)->setText("a*x+b*y+c");
    main().draw();
    main().edit(MainField::formulaX)->setText("a*x+c");
    main().edit(MainField::formulaY)->setText("d*y");
    main().draw();
    EXPECT_EQ(parameterWindow("b"), nullptr);
    main().showParameterWindows();
    ParameterWindow *a = parameterWindow("a"), *d = parameterWindow("d"), *c = parameterWindow("c");
    ASSERT_TRUE(a && d && c);
    EXPECT_EQ(d->pos(), QPoint(a->x(), a->y() + d->windowOuterHeight()));
    EXPECT_EQ(c->pos(), QPoint(a->x(), d->y() + c->windowOuterHeight()));
    saveAs(file("slots.atr"));
    EXPECT_TRUE(contents(file("slots.atr")).contains("\r\n3\r\na\r\n-2\r\n2\r\n0\r\nd\r\n"));

    // Dropping the last one shortens the list.
    main().edit(MainField::formulaX)->setText("a*x");
    main().draw();
    EXPECT_EQ(main().parameterList().entries().size(), 2u);
    EXPECT_EQ(parameterWindow("c"), nullptr);
}

TEST_F(DocumentTest, SaveOverwritesTheOpenedDocumentAndAsksForANameBeforeOne) {
    saveAnswer.clear();
    main().saveAction->trigger(); // no document yet: asks, and a cancel changes nothing
    EXPECT_EQ(saveRequests.size(), 1);
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");
    EXPECT_FALSE(main().state().renderStarted);

    write(file("opened.atr"), defaultDocument);
    open(file("opened.atr"));
    main().edit(MainField::centreX)->setText("0.5");
    main().saveAction->trigger();
    EXPECT_EQ(saveRequests.size(), 1);
    EXPECT_TRUE(contents(file("opened.atr")).contains("\r\n0.5\r\n"));
    EXPECT_EQ(main().windowTitle(), caption(file("opened.atr")));
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(DocumentTest, ACancelledOpenStillDraws) {
    main().edit(MainField::formulaZ)->setText("z*0.5");
    open(QString());
    EXPECT_TRUE(main().state().renderStarted);
    EXPECT_EQ(core().submitted().formulaZ.text, "z*0.5");
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");
}

TEST_F(DocumentTest, ADocumentSavedBeforeTheFirstDrawOpensToAnEmptyColourList) {
    saveAs(file("early.atr"));
    EXPECT_TRUE(contents(file("early.atr")).contains("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    open(file("early.atr"));
    EXPECT_TRUE(colours().colourStops().empty());
    EXPECT_TRUE(core().submitted().colours.empty());
    EXPECT_EQ(colours().zMinSwatch->canvas().pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(colours().gradientStrip->canvas().pixelColor(100, 0), QColor(0, 0, 0));
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(DocumentTest, AFailedOpenKeepsWhatItReadAndDoesNotDraw) {
    main().showRotationWindow(); // "Forgat": redraws on angle changes
    ASSERT_TRUE(rotation().rotationActive());
    open(file("missing.atr"));
    EXPECT_EQ(errors.messages, QStringList{"File not found: " + file("missing.atr")});
    EXPECT_FALSE(rotation().rotationActive());
    EXPECT_FALSE(main().state().renderStarted);
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");

    open(dir.path());
    EXPECT_EQ(errors.messages.last(), "File access denied: " + dir.path());

    // A negative colour count: the nine texts are in, nothing after them.
    write(file("negative.atr"), "x\r\ny\r\nz\r\n9\r\n1\r\n2\r\n45\r\n0\r\n0\r\n-1\r\n");
    open(file("negative.atr"));
    EXPECT_EQ(errors.messages.last(), "Range check error");
    EXPECT_EQ(main().edit(MainField::zoom)->text(), "9");
    EXPECT_EQ(rotation().angleEdits[0]->text(), "45");
    EXPECT_EQ(colours().colourStops(), defaultColourStops());
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");
    EXPECT_FALSE(main().state().renderStarted);
}

TEST_F(DocumentTest, AFailedSaveReportsAndLosesNothing) {
    saveAs(file("no/such/folder.atr"));
    EXPECT_EQ(errors.messages, QStringList{"File not found: " + file("no/such/folder.atr")});
    EXPECT_EQ(main().windowTitle(), "Gyrelune 1.0b");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.atr"));
    saveAs(file("folder.atr"));
    EXPECT_EQ(errors.messages.last(), "File access denied: " + file("folder.atr"));

    // A write that fails half-way leaves the current document as it was.
    write(file("kept.atr"), defaultDocument);
    open(file("kept.atr"));
    main().edit(MainField::formulaX)->setText(QString(500, 'x'));
    rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    main().saveAction->trigger();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(errors.messages.last(), "Disk full: " + file("kept.atr"));
    EXPECT_EQ(contents(file("kept.atr")), defaultDocument);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.atr"});
}

} // namespace
} // namespace gyrelune::test
