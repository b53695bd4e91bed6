// Reading a whole file that is expected to be small, such as a design. What is plainly no such
// file (a folder, a device or pipe, anything over the limit) is refused before it is read, so a
// wrong choice in a file dialog never blocks the program or fills its memory.
#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

namespace qor {

enum class FileReadFault {
    Missing,    // nothing at that path
    Folder,     // a folder
    NotAFile,   // a device, a pipe or a socket
    Unreadable, // opening or reading failed: no permission, an input/output error
    TooLarge,   // more bytes than the limit
};

struct FileReadError {
    FileReadFault Fault = FileReadFault::Missing;
    QString Reason; // for Unreadable, the system's own words as the file device reports them
};

// The file's bytes, or why they cannot be had. A symbolic link is followed.
std::variant<QByteArray, FileReadError> ReadSmallFile(const QString& path, qint64 limit);

} // namespace qor
