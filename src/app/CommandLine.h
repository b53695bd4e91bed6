// The program's command line: "qor [FILE.qor]", with --help, --version and --lang. One table of
// options makes both the parser and the help, so a new option is added in one place.
#pragma once

#include "platform/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

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
    // The language for this run (--lang); none: the one the user chose last.
    std::optional<Language> ChosenLanguage;
    QString Error; // why the command line was refused
};

// The exit code of a command line that cannot be used.
constexpr int UsageExitCode = 2;

// Reads the arguments as the program got them, its own name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments of main, in the locale's encoding as file names are.
QStringList ArgumentsOf(int argc, char** argv);

QString HelpText();
QString VersionText();

// Prints what a command line other than Start asks for and returns the program's exit code. The
// texts are in the language installed (they are made with it: parse the line again after
// installing it).
int AnswerCommandLine(const CommandLine& line);

} // namespace qor
