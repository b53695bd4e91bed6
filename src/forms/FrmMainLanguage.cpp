// "Настройки" → "Язык / Language": two exclusive items, "Русский" and "English", whose texts are
// the same in both languages so that a person who reads neither of them finds the way back. A
// choice applies at once and is remembered for the next start.
#include "forms/FrmMain.h"

#include "platform/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace qor {

void TMainForm::CreateLanguageMenu(QMenu* settings) {
    QMenu* menu = settings->addMenu(QStringLiteral("Язык / Language"));
    menu->setObjectName(QStringLiteral("mnLanguage"));
    auto* group = new QActionGroup(menu);
    const auto item = [&](const QString& name, const QString& caption, Language language) {
        QAction* action = group->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == language);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, [language] {
            RememberLanguage(language);
            UseLanguage(language);
        });
        return action;
    };
    mnRussian = item(QStringLiteral("mnRussian"), QStringLiteral("Русский"), Language::Russian);
    mnEnglish = item(QStringLiteral("mnEnglish"), QStringLiteral("English"), Language::English);
}

} // namespace qor
