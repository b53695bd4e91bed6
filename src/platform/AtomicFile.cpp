#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace qor {
namespace {

// QSaveFile gives the new file the old one's permissions plus the owner's write bit: a read-only
// file would come back writable. Puts the old permission bits back exactly. Returns the system's
// words on failure.
std::optional<QString> KeepPermissions(QSaveFile& file, const QString& path) {
    struct stat old {};
    if (stat(QFile::encodeName(path).constData(), &old) != 0) {
        return std::nullopt; // a new file: the usual permissions
    }
    if (fchmod(file.handle(), old.st_mode & 0777) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return std::nullopt;
}

} // namespace

bool FileWriteSteps::Open(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly);
}

bool FileWriteSteps::Write(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

bool FileWriteSteps::Commit(QSaveFile& file) {
    return file.commit();
}

std::optional<FileWriteError> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    FileWriteSteps steps;
    return WriteFileAtomically(path, bytes, steps);
}

std::optional<FileWriteError> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                                  FileWriteSteps& steps) {
    QSaveFile file(path);
    // Never write into the target itself when no temporary file can be made beside it: that
    // would truncate it first.
    file.setDirectWriteFallback(false);
    if (!steps.Open(file)) {
        return FileWriteError{FileWriteStep::Create, file.errorString()};
    }
    if (const auto reason = KeepPermissions(file, path)) {
        file.cancelWriting();
        return FileWriteError{FileWriteStep::Create, *reason};
    }
    if (!steps.Write(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileWriteError{FileWriteStep::Write, reason};
    }
    if (!steps.Commit(file)) {
        return FileWriteError{FileWriteStep::Replace, file.errorString()};
    }
    return std::nullopt;
}

QString FileWriteErrorText(const QString& path, const FileWriteError& error) {
    const QString target = QDir::toNativeSeparators(path);
    switch (error.Step) {
    case FileWriteStep::Create:
        return QCoreApplication::translate("qor::AtomicFile",
                                           "Не удаётся создать файл в папке «%1»: %2")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), error.Reason);
    case FileWriteStep::Write:
        return QCoreApplication::translate("qor::AtomicFile", "Не удаётся записать «%1»: %2")
            .arg(target, error.Reason);
    case FileWriteStep::Replace:
        break;
    }
    return QCoreApplication::translate("qor::AtomicFile",
                                       "Не удаётся заменить «%1» новым файлом: %2")
        .arg(target, error.Reason);
}

} // namespace qor
