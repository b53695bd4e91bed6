#include "platform/RecentFiles.h"

#include "platform/UserSettings.h"

#include <QFileInfo>

namespace qor {
namespace {

const QString RecentKey = QStringLiteral("Designs/Recent");

} // namespace

QStringList RecentFiles() {
    return UserSettings().value(RecentKey).toStringList().mid(0, MaxRecentFiles);
}

void AddRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    UserSettings().setValue(RecentKey, files.mid(0, MaxRecentFiles));
}

} // namespace qor
