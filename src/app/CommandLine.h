// The program's command line: "qor [FILE.qor]", with --help and --version. One table of options
// makes both the parser and the help, so a new option is added in one place.
#pragma once

#include <QString>
#include <QStringList>

namespace qor {

struct CommandLine {
    enum class Action {
        Start,       // start the window, opening DesignFile when there is one
        ShowHelp,    // print the help to standard output and end with 0
        ShowVersion, // print the version to standard output and end with 0
        Refuse,      // print Error and the help to standard error and end with 2
    };
    Action What = Action::Start;
    QString DesignFile; // absolute; empty when none was given
    QString Error;      // why the command line was refused
};

// The exit code of a command line that cannot be used.
constexpr int UsageExitCode = 2;

// Reads the arguments as the program got them, its own name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments of main, in the locale's encoding as file names are.
QStringList ArgumentsOf(int argc, char** argv);

QString HelpText();
QString VersionText();

// Prints what a command line other than Start asks for and returns the program's exit code.
int AnswerCommandLine(const CommandLine& line);

} // namespace qor
