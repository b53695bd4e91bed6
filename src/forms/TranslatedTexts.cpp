#include "forms/TranslatedTexts.h"

#include "forms/Hint.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include <algorithm>

namespace qor {
namespace {

int PartKey(TextPart part, int index) {
    return static_cast<int>(part) + index;
}

} // namespace

QString TranslatedTexts::Tr(const char* source) const {
    return QCoreApplication::translate(context_, source);
}

void TranslatedTexts::Set(const QObject* control, TextPart part, const char* source, Show show,
                          int index) {
    const int key = PartKey(part, index);
    const auto same = [&](const Entry& e) { return e.control == control && e.part == key; };
    auto entry = std::find_if(entries_.begin(), entries_.end(), same);
    if (entry == entries_.end()) {
        entries_.push_back({control, key, source, std::move(show)});
        entry = entries_.end() - 1;
    } else {
        *entry = {control, key, source, std::move(show)};
    }
    entry->show(Tr(source));
}

const char* TranslatedTexts::Source(const QObject* control, TextPart part, int index) const {
    const int key = PartKey(part, index);
    for (const Entry& e : entries_) {
        if (e.control == control && e.part == key) {
            return e.source;
        }
    }
    return nullptr;
}

void TranslatedTexts::Retranslate() const {
    for (const Entry& e : entries_) {
        e.show(Tr(e.source));
    }
}

QLabel* TranslatedTexts::Text(QLabel* label, const char* source) {
    Set(label, TextPart::Text, source, [label](const QString& text) { label->setText(text); });
    return label;
}

void TranslatedTexts::SetButtonText(QAbstractButton* button, const char* source) {
    Set(button, TextPart::Text, source, [button](const QString& text) { button->setText(text); });
}

QAction* TranslatedTexts::Text(QAction* action, const char* source) {
    Set(action, TextPart::Text, source, [action](const QString& text) { action->setText(text); });
    return action;
}

QMenu* TranslatedTexts::Text(QMenu* menu, const char* source) {
    Set(menu, TextPart::Text, source, [menu](const QString& text) { menu->setTitle(text); });
    return menu;
}

QGroupBox* TranslatedTexts::Text(QGroupBox* group, const char* source) {
    Set(group, TextPart::Text, source, [group](const QString& text) { group->setTitle(text); });
    return group;
}

void TranslatedTexts::WindowTitle(QWidget* window, const char* source) {
    Set(window, TextPart::Text, source,
        [window](const QString& text) { window->setWindowTitle(text); });
}

void TranslatedTexts::Hint(QWidget* control, const char* source, bool namedAfterHint) {
    Set(control, TextPart::Hint, source, [control, namedAfterHint](const QString& text) {
        SetHint(control, text);
        if (namedAfterHint) {
            control->setAccessibleName(ShortHint(text));
        }
    });
}

void TranslatedTexts::Hint(QAction* action, const char* source) {
    Set(action, TextPart::Hint, source, [action](const QString& text) {
        action->setToolTip(ShortHint(text));
        action->setStatusTip(LongHint(text));
    });
}

void TranslatedTexts::AccessibleName(QWidget* control, const char* source) {
    Set(control, TextPart::AccessibleName, source,
        [control](const QString& text) { control->setAccessibleName(text); });
}

void TranslatedTexts::Tab(QTabWidget* tabs, int index, const char* source) {
    Set(
        tabs, TextPart::Item, source,
        [tabs, index](const QString& text) { tabs->setTabText(index, text); }, index);
}

void TranslatedTexts::Item(QComboBox* combo, int index, const char* source) {
    Set(
        combo, TextPart::Item, source,
        [combo, index](const QString& text) { combo->setItemText(index, text); }, index);
}

void RetranslateToolkitButtons(const QWidget* window) {
    // Qt's own object names and texts, which its translations hold.
    struct Button {
        const char* context;
        const char* name;
        const char* accessibleName;
        const char* accessibleDescription; // empty: none
    };
    const Button buttons[] = {
        {"QTabBar", "ScrollLeftButton", "Scroll Left", ""},
        {"QTabBar", "ScrollRightButton", "Scroll Right", ""},
        {"QDockWidget", "qt_dockwidget_floatbutton", "Float",
         "Undocks and re-attaches the dock widget"},
        {"QDockWidget", "qt_dockwidget_closebutton", "Close", "Closes the dock widget"},
    };
    for (const Button& b : buttons) {
        for (QWidget* button : window->findChildren<QWidget*>(QLatin1String(b.name))) {
            button->setAccessibleName(QCoreApplication::translate(b.context, b.accessibleName));
            if (*b.accessibleDescription != '\0') {
                button->setAccessibleDescription(
                    QCoreApplication::translate(b.context, b.accessibleDescription));
            }
        }
    }
}

} // namespace qor
