// The forms' one kit for making controls: named as the window resources name them, with their
// hints, and the few looks that several forms share.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace qor {

// Gives the control its object name, by which tests and the settings file find it.
template <class Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

QLabel* CreateLabel(const QString& text, const QString& name = {});
QLineEdit* CreateEdit(const QString& name, const QString& text = {});
// A combo box with its items and no selection.
QComboBox* CreateCombo(const QString& name, const QStringList& items);
// A button that Enter never presses unless it has the focus (no auto-default).
QPushButton* CreateButton(const QString& name, const QString& caption, const QString& hint = {});
QRadioButton* CreateRadio(const QString& name, const QString& caption, const QString& hint = {});
// A flat tool-bar button that shows only its icon; its short hint is its accessible name.
QToolButton* CreateSpeedButton(const QString& name, const QIcon& icon, int iconSize,
                               const QString& hint);
QAction* CreateAction(QObject* parent, const QString& name, const QString& caption,
                      const QIcon& icon = {});

// The control's font in bold, its size scaled.
void SetBold(QWidget* control, double scale = 1.0);

} // namespace qor
