// Help and about windows, and the ways the program ends.

#include "guiTestSupport.h"

#include "app/language.h"

#include "windows/aboutWindow.h"
#include "windows/helpWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

namespace gyrelune::test {
namespace {

using WindowSetTest = GuiTest;

TEST_F(WindowSetTest, HelpAndAboutShowWithoutBlocking) {
    main().helpAction->trigger();
    HelpWindow& help = windows->help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());
    EXPECT_EQ(help.windowTitle(), "Használati útmutató");
    EXPECT_EQ(help.pos(), QPoint(413, 30));
    EXPECT_EQ(help.size(), QSize(570, 562));
    EXPECT_TRUE(help.helpText->isReadOnly());

    const QStringList lines = help.helpText->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 116);
    const std::pair<int, const char*> quoted[] = {
        {1, "Attraktor fraktál szerkesztő"},
        {3, "Matematikai alap:"},
        {18, "Használat:"},
        {23, "Elfogadott függvények műveletek:"},
        {25, "+ - * /    négy alapművelet"},
        {26, "sin cos    trigonometrikus függvények"},
        {27, "ch sh      sinus és cos hiperbolicus"},
        {28, "sqr sqrt   négyzet négyzetgyök"},
        {29, "lg         10-es alapú logaritmus"},
        {30, "abs int    abszolút érték, egész rész"},
        {32, "Ha valami nem művelet, nem függvény és nem x y z, akkor azt paraméterként "
             "értelmezi a program"},
        {34, "Főablak:"},
        {45, "Menü"},
        {48, "Fájl:"},
        {66, "Eszközök:"},
        {73, "Eszközök használata"},
        {75, "színek:"},
        {86, " Paraméterek:"},
        {92, "Billentyűk:"},
        {94, "SHIFT:      intervallum méretének felezése (a csúszkán)"},
        {95, "BACKSPACE:  intervallum méretének dupplázása (a csúszkán)"},
        {97, "Forgat:"},
        {101, "Egyéb:"},
        {112, "Billentyűparancsok:"},
        {114, "ENTER:  rajzolást újraindítása friss adatokkal"},
        {115, "ALT:    kép középre helyezése, és újra rajzolás"},
    };
    // The tables' second columns line up in the help's fixed-pitch font.
    EXPECT_TRUE(QFontInfo(help.helpText->font()).fixedPitch());
    for (int table : {25, 94, 114}) {
        const auto column = [&lines](int line) {
            return lines[line - 1].indexOf(QRegularExpression(QStringLiteral("(?<=  )\\S")));
        };
        for (int line = table; !lines[line - 1].isEmpty(); ++line)
            EXPECT_EQ(column(line), column(table)) << "line " << line;
    }

    for (const auto& [line, text] : quoted) {
        EXPECT_EQ(lines[line - 1], QString::fromUtf8(text)) << "line " << line;
        if (line != 25 && line < 113 && QString::fromUtf8(text).endsWith(':')) {
            EXPECT_EQ(lines[line], "") << "after the heading on line " << line;
        }
    }

    main().aboutAction->trigger();
    AboutWindow& about = windows->about();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(about.windowTitle(), "Mamgról");
    EXPECT_EQ(about.pos(), QPoint(469, 91));
    EXPECT_TRUE(about.width() >= 217 && about.height() >= 114);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const QStringList aboutLines = about.aboutText->text().split('\n');
    ASSERT_EQ(aboutLines.size(), 8);
    EXPECT_EQ(aboutLines[0], "Gyrelune v 1.0b ");
    EXPECT_EQ(aboutLines[2], "attraktor fraktál  szerkesztő alkalmazás");
    EXPECT_EQ(aboutLines[7], "Utolsó fejlesztés: 2007.05.19");
    EXPECT_EQ(QFontInfo(about.aboutText->font()).pointSizeF(),
              QFontInfo(main().font()).pointSizeF());

    // Closing only hides.
    help.close();
    EXPECT_FALSE(help.isVisible());
    main().helpAction->trigger();
    EXPECT_TRUE(help.isVisible());
}

// Runs the message loop until the program ends; false if it did not within 5 s.
bool runUntilQuit(const std::function<void()>& action) {
    bool timedOut = false;
    QTimer::singleShot(0, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    QApplication::exec();
    return !timedOut;
}

// The choice is kept for the next start; the English texts are built in.
TEST_F(WindowSetTest, LanguageChoiceIsKeptAndEnglishIsBuiltIn) {
    main().englishAction->trigger();
    EXPECT_EQ(savedLanguage(), Language::english);
    main().hungarianAction->trigger();
    EXPECT_EQ(savedLanguage(), Language::hungarian);

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/gyrelune_en.qm")));
    EXPECT_EQ(english.translate("gyrelune::MainWindow", "Fájl"), "File");
    Language parsed = Language::hungarian;
    EXPECT_TRUE(languageFromCode(QStringLiteral("en"), parsed));
    EXPECT_EQ(parsed, Language::english);
    EXPECT_FALSE(languageFromCode(QStringLiteral("de"), parsed));
}

TEST_F(WindowSetTest, ClosingTheImageWindowEndsTheProgram) {
    main().draw();
    EXPECT_TRUE(runUntilQuit([this] { image().close(); }));
    EXPECT_TRUE(main().renderThread().isFinished());
}

TEST_F(WindowSetTest, ClosingTheMainWindowWhileDrawingEndsTheThread) {
    main().draw();
    EXPECT_TRUE(runUntilQuit([this] { main().closeAction->trigger(); }));
    EXPECT_TRUE(main().renderThread().isFinished());
    EXPECT_FALSE(main().pointsPerSecondTimer->isActive());
}

TEST_F(WindowSetTest, ClosingWhileStoppedOrBeforeAnyDraw) {
    drawAndStop();
    EXPECT_TRUE(runUntilQuit([this] { main().close(); }));
    EXPECT_TRUE(main().renderThread().isFinished());

    windows = std::make_unique<WindowSet>();
    windows->show();
    EXPECT_TRUE(runUntilQuit([this] { main().close(); }));
    EXPECT_FALSE(main().renderThread().isRunning());
}

} // namespace
} // namespace gyrelune::test
