#pragma once
// The program's command line: gyrelune [--help] [--version] [--language hu|en] [FILE.atr]. Qt's
// own options (-platform, -style, ...) are taken out by QApplication before
// this parser sees the arguments.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace gyrelune {

// Exit statuses: the program was closed, or the command line was bad.
enum ExitStatus { exitDone = 0, exitBadUsage = 2 };

class StartCommandLine {
  public:
    StartCommandLine();

    // False when the arguments are bad; errorText() then names the fault.
    bool parse(const QStringList& arguments);
    QString errorText() const { return error_; }
    bool helpWanted() const { return parser_.isSet(help_); }
    bool versionWanted() const { return parser_.isSet(version_); }
    // The named document as an absolute path; empty when none was named.
    QString document() const { return document_; }
    // The language asked for with --language ("hu" or "en"); empty when none.
    QString language() const { return parser_.value(language_); }

    QString helpText() const;

  private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption language_;
    QString error_;
    QString document_;
};

// Answers --help and --version on standard output before the window system is
// reached, so that they work without a display. Returns false when neither
// was asked for.
bool answerHelpOrVersion(int argc, char** argv);

// Writes a bad command line's message to standard error; returns exitBadUsage.
int reportBadUsage(const QString& message);

} // namespace gyrelune
