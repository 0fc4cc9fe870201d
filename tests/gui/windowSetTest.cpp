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
    EXPECT_TRUE(help.helpText->isReadOnly());

    // The tables' second columns line up in the help's fixed-pitch font.
    const QStringList lines = help.helpText->toPlainText().split('\n');
    EXPECT_TRUE(QFontInfo(help.helpText->font()).fixedPitch());
    int tables = 0;
    for (int first = 0; first < lines.size(); ++first) {
        if (!lines[first].startsWith(QStringLiteral("+ - * /")) &&
            !lines[first].startsWith(QStringLiteral("SHIFT:")) &&
            !lines[first].startsWith(QStringLiteral("ENTER:")))
            continue;
        ++tables;
        const auto column = [&lines](int line) {
            return lines[line].indexOf(QRegularExpression(QStringLiteral("(?<=  )\\S")));
        };
        for (int line = first; line < lines.size() && !lines[line].isEmpty(); ++line)
            EXPECT_EQ(column(line), column(first)) << "line " << line + 1;
    }
    EXPECT_EQ(tables, 3);

    main().aboutAction->trigger();
    AboutWindow& about = windows->about();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
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
