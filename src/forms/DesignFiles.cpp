#include "forms/DesignFiles.h"

#include "design/DesignFile.h"
#include "design/DesignMessage.h"
#include "platform/AtomicFile.h"
#include "platform/SmallFile.h"

#include <QDir>

#include <string>

namespace qor {
namespace {

QString FileFaultText(const FileReadError& error) {
    switch (error.Fault) {
    case FileReadFault::Missing:
        return QStringLiteral("файл не найден");
    case FileReadFault::Folder:
        return QStringLiteral("это папка, а не файл");
    case FileReadFault::NotAFile:
        return QStringLiteral("это не обычный файл");
    case FileReadFault::Unreadable:
        return QStringLiteral("файл не читается: %1").arg(error.Reason);
    case FileReadFault::TooLarge:
        break;
    }
    DesignError tooLarge;
    tooLarge.Reason = DesignErrorReason::TooLarge;
    return QString::fromStdString(DesignErrorMessage(tooLarge));
}

QString CannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("Не удаётся открыть «%1»: %2")
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
        return CannotOpen(path, QString::fromStdString(DesignErrorMessage(*error)));
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
