#include "platform/SmallFile.h"

#include <QFile>
#include <QFileInfo>

namespace qor {

std::variant<QByteArray, FileReadError> ReadSmallFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return FileReadError{FileReadFault::Missing, {}};
    }
    if (info.isDir()) {
        return FileReadError{FileReadFault::Folder, {}};
    }
    if (!info.isFile()) {
        return FileReadError{FileReadFault::NotAFile, {}};
    }
    if (info.size() > limit) {
        return FileReadError{FileReadFault::TooLarge, {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileReadError{FileReadFault::Unreadable, file.errorString()};
    }
    // One byte past the limit tells a file that grew since its size was taken.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileReadError{FileReadFault::Unreadable, file.errorString()};
    }
    if (bytes.size() > limit) {
        return FileReadError{FileReadFault::TooLarge, {}};
    }
    return bytes;
}

} // namespace qor
