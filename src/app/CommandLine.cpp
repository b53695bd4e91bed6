#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace qor {
namespace {

// The texts of the command line are sources for the translation tools, translated when shown.
constexpr const char* kContext = "qor::CommandLine";

QString Tr(const char* source) {
    return QCoreApplication::translate(kContext, source);
}

struct OptionRow {
    QStringList Names; // one-letter names are written "-x", longer ones "--name"
    QString ValueName; // empty for an option without a value
    const char* Description;
};

const QString kHelpName = QStringLiteral("help");
const QString kVersionName = QStringLiteral("version");
const QString kLanguageName = QStringLiteral("lang");

const std::vector<OptionRow>& Options() {
    static const std::vector<OptionRow> options = {
        {{QStringLiteral("h"), kHelpName},
         {},
         QT_TRANSLATE_NOOP("qor::CommandLine", "показать эту справку и выйти")},
        {{QStringLiteral("v"), kVersionName},
         {},
         QT_TRANSLATE_NOOP("qor::CommandLine", "показать версию программы и выйти")},
        {{kLanguageName},
         QStringLiteral("ru|en"),
         QT_TRANSLATE_NOOP("qor::CommandLine", "язык программы на этот запуск: ru (русский) или en "
                                               "(английский); без него — выбранный в меню")},
    };
    return options;
}

// The options that QApplication takes for itself (its own documentation lists them), with a value
// or without: accepted and left to it, and not shown in the help.
const QStringList kToolkitOptionsWithValue = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("style"),         QStringLiteral("stylesheet"),
    QStringLiteral("session"),       QStringLiteral("display"),
    QStringLiteral("geometry"),      QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
    QStringLiteral("name"),          QStringLiteral("title"),
    QStringLiteral("visual")};
const QStringList kToolkitFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("sync")};

const char* const kUsage =
    QT_TRANSLATE_NOOP("qor::CommandLine", "Использование: qor [параметры] [файл.qor]");
const char* const kAbout =
    QT_TRANSLATE_NOOP("qor::CommandLine",
                      "QOR — учебная программа для проектирования плоских пятизвенных механизмов.");
const char* const kOptionsHeading = QT_TRANSLATE_NOOP("qor::CommandLine", "Параметры:");
const char* const kArgumentsHeading = QT_TRANSLATE_NOOP("qor::CommandLine", "Аргументы:");
const char* const kFileArgument = QT_TRANSLATE_NOOP("qor::CommandLine", "файл.qor");
const char* const kFileDescription =
    QT_TRANSLATE_NOOP("qor::CommandLine", "конструкция, которая откроется при запуске");
const char* const kUnknownOption =
    QT_TRANSLATE_NOOP("qor::CommandLine", "неизвестный параметр «%1»");
const char* const kTooManyFiles =
    QT_TRANSLATE_NOOP("qor::CommandLine", "можно открыть только один файл, а указано %1");
const char* const kUnknownLanguage =
    QT_TRANSLATE_NOOP("qor::CommandLine", "неизвестный язык «%1»: можно ru или en");

QString WrittenName(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString WrittenNames(const OptionRow& row) {
    QStringList written;
    for (const QString& name : row.Names) {
        written << WrittenName(name);
    }
    const QString value = row.ValueName.isEmpty() ? QString() : QLatin1Char(' ') + row.ValueName;
    return written.join(QStringLiteral(", ")) + value;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform xcb" as the toolkit writes its options; "-h" and "-v" read the same either way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : Options()) {
        parser.addOption(QCommandLineOption(row.Names, Tr(row.Description), row.ValueName));
    }
    for (const QString& name : kToolkitOptionsWithValue + kToolkitFlags) {
        QCommandLineOption option(name);
        if (kToolkitOptionsWithValue.contains(name)) {
            option.setValueName(name);
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.What = CommandLine::Action::Refuse;
        const QStringList unknown = parser.unknownOptionNames();
        line.Error = unknown.isEmpty() ? parser.errorText()
                                       : Tr(kUnknownOption).arg(WrittenName(unknown.front()));
        return line;
    }
    if (parser.isSet(kLanguageName)) {
        line.ChosenLanguage = LanguageOfCode(parser.value(kLanguageName));
        if (!line.ChosenLanguage) {
            line.What = CommandLine::Action::Refuse;
            line.Error = Tr(kUnknownLanguage).arg(parser.value(kLanguageName));
            return line;
        }
    }
    if (parser.isSet(kHelpName)) {
        line.What = CommandLine::Action::ShowHelp;
        return line;
    }
    if (parser.isSet(kVersionName)) {
        line.What = CommandLine::Action::ShowVersion;
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.What = CommandLine::Action::Refuse;
        line.Error = Tr(kTooManyFiles).arg(files.size());
        return line;
    }
    if (!files.isEmpty()) {
        line.DesignFile = QFileInfo(files.front()).absoluteFilePath();
    }
    return line;
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

QString HelpText() {
    qsizetype width = Tr(kFileArgument).size();
    for (const OptionRow& row : Options()) {
        width = std::max(width, WrittenNames(row).size());
    }
    const auto entry = [width](const QString& names, const QString& description) {
        return QStringLiteral("  ") + names.leftJustified(width + 2) + description +
               QLatin1Char('\n');
    };
    QString text = Tr(kUsage) + QLatin1Char('\n') + Tr(kAbout) + QStringLiteral("\n\n") +
                   Tr(kOptionsHeading) + QLatin1Char('\n');
    for (const OptionRow& row : Options()) {
        text += entry(WrittenNames(row), Tr(row.Description));
    }
    text += QLatin1Char('\n') + Tr(kArgumentsHeading) + QLatin1Char('\n') +
            entry(Tr(kFileArgument), Tr(kFileDescription));
    return text;
}

QString VersionText() {
    return QStringLiteral("QOR " QOR_VERSION "\n");
}

int AnswerCommandLine(const CommandLine& line) {
    switch (line.What) {
    case CommandLine::Action::ShowHelp:
        Print(stdout, HelpText());
        return 0;
    case CommandLine::Action::ShowVersion:
        Print(stdout, VersionText());
        return 0;
    case CommandLine::Action::Refuse:
        Print(stderr, QStringLiteral("qor: ") + line.Error + QStringLiteral("\n\n") + HelpText());
        return UsageExitCode;
    case CommandLine::Action::Start:
        break;
    }
    return 0;
}

} // namespace qor
