#include "forms/DesignFiles.h"

#include "design/DesignFile.h"
#include "design/DesignMessage.h"
#include "platform/AtomicFile.h"
#include "platform/SmallFile.h"

#include <QCoreApplication>
#include <QDir>

#include <string>

namespace qor {
namespace {

std::string Translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

QString Tr(const char* source) {
    return QCoreApplication::translate("qor::DesignFiles", source);
}

QString FileFaultText(const FileReadError& error) {
    switch (error.Fault) {
    case FileReadFault::Missing:
        return Tr(QT_TRANSLATE_NOOP("qor::DesignFiles", "файл не найден"));
    case FileReadFault::Folder:
        return Tr(QT_TRANSLATE_NOOP("qor::DesignFiles", "это папка, а не файл"));
    case FileReadFault::NotAFile:
        return Tr(QT_TRANSLATE_NOOP("qor::DesignFiles", "это не обычный файл"));
    case FileReadFault::Unreadable:
        return Tr(QT_TRANSLATE_NOOP("qor::DesignFiles", "файл не читается: %1")).arg(error.Reason);
    case FileReadFault::TooLarge:
        break;
    }
    DesignError tooLarge;
    tooLarge.Reason = DesignErrorReason::TooLarge;
    return QString::fromStdString(DesignErrorMessage(tooLarge, Translated));
}

QString CannotOpen(const QString& path, const QString& reason) {
    return Tr(QT_TRANSLATE_NOOP("qor::DesignFiles", "Не удаётся открыть «%1»: %2"))
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

std::variant<Design, QString> ReadDesignFile(const QString& path) {
    const auto bytes = ReadSmallFile(path, static_cast<qint64>(MaxDesignTextSize));
    if (const auto* error = std::get_if<FileReadError>(&bytes)) {
        return CannotOpen(path, FileFaultText(*error));
    }
    const QByteArray& text = std::get<QByteArray>(bytes);
    const DesignOrError read =
        ReadDesign(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (const auto* error = std::get_if<DesignError>(&read)) {
        return CannotOpen(path, QString::fromStdString(DesignErrorMessage(*error, Translated)));
    }
    return std::get<Design>(read);
}

std::optional<QString> WriteDesignFile(const QString& path, const Design& design) {
    const std::string text = WriteDesign(design);
    const auto error =
        WriteFileAtomically(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (error) {
        return FileWriteErrorText(path, *error);
    }
    return std::nullopt;
}

} // namespace qor
