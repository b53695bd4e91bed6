#include "platform/UserSettings.h"

#include <QDir>
#include <QStandardPaths>

#include <memory>

namespace qor {
namespace {

std::unique_ptr<QSettings>& Instance() {
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QString& File() {
    static QString file;
    return file;
}

} // namespace

QString UserSettingsFile() {
    if (File().isEmpty()) {
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        File() = QDir(config).filePath(QStringLiteral("qor/user.conf"));
    }
    return File();
}

QSettings& UserSettings() {
    if (!Instance()) {
        Instance() = std::make_unique<QSettings>(UserSettingsFile(), QSettings::IniFormat);
    }
    return *Instance();
}

void SetUserSettingsFile(const QString& path) {
    if (Instance()) {
        Instance()->sync();
        Instance().reset();
    }
    File() = path;
}

} // namespace qor
