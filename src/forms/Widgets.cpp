#include "forms/Widgets.h"

#include "forms/Hint.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace qor {

QLabel* CreateLabel(const QString& text, const QString& name) {
    return Named(new QLabel(text), name);
}

QLineEdit* CreateEdit(const QString& name, const QString& text) {
    return Named(new QLineEdit(text), name);
}

QComboBox* CreateCombo(const QString& name, const QStringList& items) {
    auto* combo = Named(new QComboBox, name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QPushButton* CreateButton(const QString& name, const QString& caption, const QString& hint) {
    auto* button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    SetHint(button, hint);
    return button;
}

QRadioButton* CreateRadio(const QString& name, const QString& caption, const QString& hint) {
    auto* radio = Named(new QRadioButton(caption), name);
    SetHint(radio, hint);
    return radio;
}

QToolButton* CreateSpeedButton(const QString& name, const QIcon& icon, int iconSize,
                               const QString& hint) {
    auto* button = Named(new QToolButton, name);
    button->setIcon(icon);
    button->setIconSize(QSize(iconSize, iconSize));
    button->setAutoRaise(true);
    SetHint(button, hint);
    // The button shows no text: a screen reader speaks its short hint instead.
    button->setAccessibleName(ShortHint(hint));
    return button;
}

QAction* CreateAction(QObject* parent, const QString& name, const QString& caption,
                      const QIcon& icon) {
    return Named(new QAction(icon, caption, parent), name);
}

void SetBold(QWidget* control, double scale) {
    QFont font = control->font();
    font.setBold(true);
    if (scale != 1.0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    control->setFont(font);
}

} // namespace qor
