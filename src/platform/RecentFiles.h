// The designs opened or saved last, most recent first, kept in the user settings from one start
// to the next.
#pragma once

#include <QString>
#include <QStringList>

namespace qor {

// How many the list keeps.
constexpr int MaxRecentFiles = 8;

// The list as kept, whether or not the files still exist.
QStringList RecentFiles();

// Puts the file (made absolute) at the front; a file already listed moves there, and the oldest
// falls off past MaxRecentFiles.
void AddRecentFile(const QString& path);

} // namespace qor
