// The language of the program's texts and of Qt's own texts (standard buttons, context menus of
// entries, stock dialogs), whatever the user's locale. Russian is the program's own: its texts
// are written in it. English comes from the program's translation, built into it, and Qt's own
// texts are English without a translation. Numbers keep their decimal separator whatever the
// language.
#pragma once

#include <QString>

#include <optional>

namespace qor {

enum class Language {
    Russian, // the default
    English,
};

// "ru" and "en", as the command line and the user settings write them.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// Installs the translations of the language, replacing those of the one before; every window is
// then told of the change (QEvent::LanguageChange). Needs the application object. Returns false
// when a translation could not be loaded: the program's texts then stay Russian (or Qt's stay
// English).
bool UseLanguage(Language language);

// The language last installed by UseLanguage; Russian before.
Language CurrentLanguage();

// The language the user chose last, kept in the user settings; Russian when none was chosen.
Language RememberedLanguage();
void RememberLanguage(Language language);

} // namespace qor
