#pragma once
// The headless companion's commands. A command is one entry of the table in
// commandTable.cpp and a file of its own that parses its options with its own
// QCommandLineParser and returns the process exit status.

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QCommandLineOption;
class QCommandLineParser;

namespace gyrelune::cli {

// Exit statuses: the command was done, it failed, or the command line was bad.
enum ExitStatus { exitDone = 0, exitFailed = 1, exitBadUsage = 2 };

struct Command {
    const char* name;
    const char* summary; // one line of gyrelune-cli --help
    // arguments[0] is the program; the command's own arguments follow.
    int (*run)(const QStringList& arguments);
};

std::span<const Command> commandTable();

int evalCommand(const QStringList& arguments);
int renderCommand(const QStringList& arguments);
int searchCommand(const QStringList& arguments);
int inspectCommand(const QStringList& arguments);
int filmCommand(const QStringList& arguments);
int encodeCommand(const QStringList& arguments);
int posterCommand(const QStringList& arguments);
int mergeCommand(const QStringList& arguments);

// ---- Shared by the commands (commandLine.cpp).

// The parser's help with its first line replaced by "Usage: " + usage.
QString helpText(const QCommandLineParser& parser, const QString& usage);
void printText(const QString& text, bool toStandardError = false);
// "gyrelune-cli COMMAND: message" and the usage line; returns exitBadUsage.
int badUsage(const QString& command, const QString& message, const QString& usage);
// "gyrelune-cli COMMAND: message"; returns exitFailed.
int failure(const QString& command, const QString& message);
// Parses the arguments; prints the help or what is wrong with them. The exit
// status when that is all the command does, else nothing.
std::optional<int> parseArguments(QCommandLineParser& parser, const QCommandLineOption& help,
                                  const QStringList& arguments, const QString& command,
                                  const QString& usage);

// A whole number from low to high (0 <= low), in decimal digits alone.
bool readWhole(const QString& text, long long low, long long high, long long& value);
bool readWhole(const QString& text, int low, int high, int& value);
// "WxH": each side a whole number from smallestSide to largestSide, and
// W * H at most largestArea.
struct SizeLimits {
    long long smallestSide = 1, largestSide = 16384, largestArea = 16LL * 1024 * 1024;
};
bool readPictureSize(const QString& text, int& width, int& height, const SizeLimits& limits = {});

} // namespace gyrelune::cli
