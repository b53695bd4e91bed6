#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace qor {
namespace {

const QString ModelSetName = QStringLiteral("QORX");

bool IsFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

// A folder the program may create files in. QFileInfo::isWritable reads the permission bits
// only; access() also knows root, read-only mounts and access lists.
bool CanWriteInto(const QString& folder) {
    return access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

} // namespace

QString ModelSetRoot(const QString& workingDirectory, const QString& executableDirectory) {
    const QString local = QDir(workingDirectory).filePath(ModelSetName);
    if (IsFolder(local)) {
        return local;
    }
    const QDir exe(executableDirectory);
    for (const QString& candidate :
         {exe.filePath(ModelSetName),
          exe.filePath(QStringLiteral("../share/qor/") + ModelSetName)}) {
        if (IsFolder(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return local;
}

QString ModelSetRoot() {
    return ModelSetRoot(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

QString ExamplesFolder(const QString& executableDirectory) {
    const QDir exe(executableDirectory);
    for (const QString& candidate : {exe.filePath(QStringLiteral("examples")),
                                     exe.filePath(QStringLiteral("../share/qor/examples"))}) {
        if (IsFolder(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

QString ExamplesFolder() {
    return ExamplesFolder(QCoreApplication::applicationDirPath());
}

QString ModelPath(const QString& root, const QString& relativePath) {
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(root).filePath(path);
}

QString SettingsFilePath(const QString& executablePath, const QString& configurationDirectory) {
    const QFileInfo exe(executablePath);
    const QString fileName = exe.completeBaseName() + QStringLiteral(".ini");
    if (CanWriteInto(exe.absolutePath())) {
        return exe.absoluteDir().filePath(fileName);
    }
    return QDir(configurationDirectory).filePath(QStringLiteral("qor/") + fileName);
}

void MakeSettingsFolder(const QString& settingsFile) {
    QDir().mkpath(QFileInfo(settingsFile).absolutePath());
}

QString SettingsFilePath() {
    return SettingsFilePath(
        QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace qor
