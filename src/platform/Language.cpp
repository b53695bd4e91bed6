#include "platform/Language.h"

#include "platform/UserSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace qor {
namespace {

const QString kLanguageKey = QStringLiteral("Interface/Language");

// The translators installed now: the program's own and Qt's. Owned here, so that the next
// language removes them.
struct Installed {
    Language language = Language::Russian;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

// A translator with the file loaded and installed; null when the file cannot be loaded.
std::unique_ptr<QTranslator> Install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

} // namespace

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    for (Language language : {Language::Russian, Language::English}) {
        if (code == LanguageCode(language)) {
            return language;
        }
    }
    return std::nullopt;
}

bool UseLanguage(Language language) {
    Installed& current = Current();
    // Removing a translator tells the windows too; the last removal or installation wins.
    current.program.reset();
    current.toolkit.reset();
    current.language = language;
    if (language == Language::English) {
        // Built into the program as a resource (translations/qor_en.ts).
        current.program = Install(QStringLiteral("qor_en"), QStringLiteral(":/i18n"));
        return current.program != nullptr;
    }
    current.toolkit =
        Install(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return current.toolkit != nullptr;
}

Language CurrentLanguage() {
    return Current().language;
}

Language RememberedLanguage() {
    return LanguageOfCode(UserSettings().value(kLanguageKey).toString())
        .value_or(Language::Russian);
}

void RememberLanguage(Language language) {
    UserSettings().setValue(kLanguageKey, LanguageCode(language));
}

} // namespace qor
