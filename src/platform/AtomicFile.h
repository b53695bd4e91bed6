// Writing a whole file so that it ends up holding either the new bytes or, after any failure,
// exactly what it held before: the bytes go to a temporary file in the same folder, which then
// replaces the old file by a rename. Designs, tables and pictures are saved this way.
//
// QSaveFile does the work. On Linux with Qt 6.4 it writes to an unnamed temporary file in the
// target's folder (O_TMPFILE), gives it the permission bits of the file it replaces, syncs its
// data (fdatasync) and renames it over the target; a failure at any step leaves the target
// untouched and no temporary file behind. But it adds the owner's write bit, so a read-only file
// would come back writable: the writer puts the old bits back itself. What neither keeps: the
// set-user-ID, set-group-ID and sticky bits, the owner and group (they become the writer's), ACLs
// and extended attributes, and other hard links to the old file (they keep the old bytes). A
// symbolic link is followed: the file it points to is replaced and the link stays. The folder is
// not synced after the rename, so a power cut just after a save may bring back the old file, whole.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <optional>

namespace qor {

// The step of an atomic write that failed.
enum class FileWriteStep {
    Create,  // no temporary file in the folder: a folder that is missing or read-only
    Write,   // the bytes did not all go into the temporary file: a full disk, a size limit
    Replace, // flushing the temporary file or renaming it over the target failed
};

struct FileWriteError {
    FileWriteStep Step = FileWriteStep::Create;
    QString Reason; // the system's own words, as the file device reports them
};

// The three steps on a QSaveFile. Tests derive from it to make a step fail as a read-only folder
// or a full disk would; the program uses it as it is.
class FileWriteSteps {
public:
    virtual ~FileWriteSteps() = default;
    virtual bool Open(QSaveFile& file);
    virtual bool Write(QSaveFile& file, const QByteArray& bytes);
    virtual bool Commit(QSaveFile& file);
};

// Writes `bytes` to `path` atomically; nothing on success, else the step that failed and why.
std::optional<FileWriteError> WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The same through given steps.
std::optional<FileWriteError> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                                  FileWriteSteps& steps);

// The Russian text of a failed write, for a message box: "Не удаётся записать «…»: …".
QString FileWriteErrorText(const QString& path, const FileWriteError& error);

} // namespace qor
