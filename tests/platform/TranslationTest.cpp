// Qt's own texts follow the program's language whatever the locale (the tests run under
// LC_ALL=C.UTF-8): Russian with Qt's Russian translation, English without one; the program's
// own texts come from its built-in English translation.
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>

namespace {

struct LanguageCase {
    qor::Language language;
    std::string cancel, yes, close; // Qt's standard buttons
    std::string ok;                 // the program's own OK button
};

TEST(Language, GivesQtsAndTheProgramsTextsInTheLanguage) {
    const LanguageCase cases[] = {
        {qor::Language::English, "Cancel", "&Yes", "Close", "OK"},
        {qor::Language::Russian, "Отмена", "&Да", "Закрыть", "ОК"},
    };
    for (const LanguageCase& c : cases) {
        ASSERT_TRUE(qor::UseLanguage(c.language));
        EXPECT_EQ(qor::CurrentLanguage(), c.language);
        const QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                   QDialogButtonBox::Close);
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), c.cancel);
        EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().toStdString(), c.yes);
        EXPECT_EQ(box.button(QDialogButtonBox::Close)->text().toStdString(), c.close);
        EXPECT_EQ(QCoreApplication::translate("qor::MessageBox", "ОК").toStdString(), c.ok);
    }
}

} // namespace
