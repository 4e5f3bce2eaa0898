#pragma once
// The program as the desktop sees it: one name, version and organisation
// for the window manager, the screen reader and the settings file, and the
// command line a file manager uses to open a saved game.

#include <QString>
#include <QStringList>
#include <optional>

namespace zx {

// Names the application once, before any window or setting is made.
void describeApplication();

// What `zentrix [FILE.znx | LINK]` asks for.
struct CommandLine {
    // The saved game to open at start, as an absolute path; empty for none.
    QString file;
    // A network game to join at start: `zentrix zentrix://HOST:PORT/CODE`
    // or `zentrix --connect URL`; empty for none.
    QString link;
    // Set when the program must end at once (--help, --version, a mistake):
    // what to print and the exit code. Mistakes go to standard error.
    std::optional<int> exitCode;
    QString output;
    bool toStandardError = false;
};

// Reads the arguments (the program's name first, Qt's own options already
// taken out by QApplication), answering --help and --version and refusing
// mistakes with the messages QCommandLineParser::process would print.
CommandLine parseCommandLine(const QStringList& arguments);

// Prints the command line's answer and returns its exit code.
int answerCommandLine(const CommandLine& command);

}  // namespace zx
