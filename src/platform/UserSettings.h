// The user's own choices that the program keeps from one start to the next: which drawings and
// windows were open, the recent designs, the language. They live in one file of their own,
// $XDG_CONFIG_HOME/qor/user.conf (by default ~/.config/qor/user.conf), apart from the render
// settings that the settings dialog exports, which nothing reads back.
#pragma once

#include <QSettings>
#include <QString>

namespace qor {

// The settings of this process, read from the file when first used. Writes reach the file when
// the program ends or syncs them. Needs the QCoreApplication.
QSettings& UserSettings();

// Points the settings at another file from here on (tests keep the user's own file untouched).
// Whatever was written and not yet synced to the old file is synced first.
void SetUserSettingsFile(const QString& path);

// The file the settings live in.
QString UserSettingsFile();

} // namespace qor
