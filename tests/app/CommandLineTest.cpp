// The command line: what it asks for, and how the program answers it before any window exists.
#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using Action = qor::CommandLine::Action;

struct LineCase {
    QStringList arguments; // after the program's name
    Action what;
    QString designFile; // relative to the working folder
    std::optional<qor::Language> language = {};
};

TEST(CommandLine, ReadsTheOptionsAndTheDesignFile) {
    const LineCase cases[] = {
        {{}, Action::Start, {}},
        {{"a.qor"}, Action::Start, "a.qor"},
        {{"--", "-odd.qor"}, Action::Start, "-odd.qor"},
        {{"-platform", "xcb", "-reverse", "a.qor"}, Action::Start, "a.qor"},
        {{"--help"}, Action::ShowHelp, {}},
        {{"-h", "a.qor"}, Action::ShowHelp, {}},
        {{"--version"}, Action::ShowVersion, {}},
        {{"-v"}, Action::ShowVersion, {}},
        {{"--frobnicate"}, Action::Refuse, {}},
        {{"a.qor", "b.qor"}, Action::Refuse, {}},
        {{"--lang", "en"}, Action::Start, {}, qor::Language::English},
        {{"--lang=ru", "a.qor"}, Action::Start, "a.qor", qor::Language::Russian},
        {{"--lang", "de"}, Action::Refuse, {}},
        {{"--lang", "EN"}, Action::Refuse, {}},
        {{"--lang"}, Action::Refuse, {}},
    };
    for (const LineCase& c : cases) {
        const qor::CommandLine line = qor::ParseCommandLine(QStringList{"qor"} + c.arguments);
        const std::string shown = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.What, c.what) << shown;
        EXPECT_EQ(line.DesignFile, c.designFile.isEmpty()
                                       ? QString()
                                       : QDir::current().absoluteFilePath(c.designFile))
            << shown;
        EXPECT_EQ(line.Error.isEmpty(), c.what != Action::Refuse) << shown;
        EXPECT_EQ(line.ChosenLanguage, c.language) << shown;
    }
}

struct Answer {
    QStringList arguments;
    int exitCode;
    bool toStandardOutput; // else to standard error
    QString expected;      // a part of what is printed
};

// The program itself answers --help, --version and a wrong option and ends without a display.
TEST(CommandLine, TheProgramPrintsAndEnds) {
    const Answer answers[] = {
        {{"--help"}, 0, true, "--version"},
        {{"--version"}, 0, true, "QOR " QOR_VERSION_TEXT},
        {{"--no-such-option"}, 2, false, "--no-such-option"},
        {{"--no-such-option"}, 2, false, "--help"},
        {{"--help"}, 0, true, "Использование: qor"},
        {{"--lang", "en", "--help"}, 0, true, "Usage: qor"},
        {{"--lang", "en", "a.qor", "b.qor"}, 2, false, "only one file can be opened"},
        {{"--lang", "fr"}, 2, false, "«fr»"},
    };
    // Nothing remembered: without --lang the answer is Russian.
    const QTemporaryDir config;
    for (const Answer& a : answers) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", config.path());
        program.setProcessEnvironment(environment);
        program.start(QOR_PROGRAM, a.arguments);
        ASSERT_TRUE(program.waitForFinished(-1));
        const std::string shown = a.arguments.join(' ').toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << shown;
        EXPECT_EQ(program.exitCode(), a.exitCode) << shown;
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE((a.toStandardOutput ? out : err).contains(a.expected)) << shown;
        EXPECT_TRUE((a.toStandardOutput ? err : out).isEmpty()) << shown;
    }
}

} // namespace
