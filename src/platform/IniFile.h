// Windows-style INI profile files: set one key while keeping everything else in the file byte for
// byte, and read one back.
//
// How a file is read:
// - Lines end with "\n" or "\r\n"; the last line may have no line end. A UTF-8 byte order mark at
//   the start of the file is skipped. Names and values are UTF-8.
// - Blanks (spaces and tabs) around names, around "=" and around values do not count.
// - A line whose first non-blank character is '[' and that has a ']' after it starts a section;
//   the name runs up to the last ']' of the line.
// - A line whose first non-blank character is ';' or '#' is a comment; so is a blank line.
// - Any other line is an entry of the section above it: its key is the text before the first
//   '=', its value the text after it; a value enclosed in a pair of matching double or single
//   quotes loses them (as Windows reads profiles). Lines before the first section belong to none.
// - Section and key names match case-insensitively. Sections of the same name count as one: the
//   first entry of the key in any of them, in file order, is the one read and replaced.
//
// How a key is set:
// - An existing entry keeps its line, its indentation, the key's spelling and the blanks around
//   "="; only the text after them changes.
// - A new key goes right after the last entry of the first section of that name (before the blank
//   lines and comments that end the section), or right after its header when it has no entry yet.
// - A missing section goes to the end of the file, after a blank line when the file does not
//   already end with one.
// - New lines end like the file's first line; a file without any line end gets "\n". A last line
//   without a line end gets one when something is added after it.
// - Characters that a line cannot hold are refused, never written in a way that would read back
//   differently: control characters (line breaks, NUL and the like; tabs are fine), Unicode line
//   separators and broken UTF-16 anywhere; an empty name; blanks at either end of a name; '=' in a
//   key and a key starting with '[', ';' or '#'. A value with blanks at either end or enclosed in
//   matching quotes is written inside double quotes so that it reads back as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>

namespace qor {

// A key could not be written. what() is the text the user sees, "Unable to write to <file>";
// reason() says why, for the log and for tests.
class IniWriteError : public std::runtime_error {
public:
    IniWriteError(const QString& fileName, const QString& reason);
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// Sets the key in the section of the file, creating the file, the section or the key as needed.
// The whole file is replaced at once: the new content goes to a temporary file in the same folder,
// is flushed to the disk and renamed over the old file, so a crash or a full disk leaves the old
// file whole. A symbolic link stays a link, and the file keeps its permissions. Writing a value
// that the file already holds leaves the file untouched. Throws IniWriteError when the key cannot
// be written (refused characters, an existing file that cannot be read or is not a regular file,
// a folder that cannot be written, a disk that fills up).
void WriteProfileString(const QString& section, const QString& key, const QString& value,
                        const QString& fileName);

// The value of the key in the section of the file, or nothing when the file cannot be read or has
// no such key.
std::optional<QString> ReadProfileString(const QString& section, const QString& key,
                                         const QString& fileName);

// Why the key cannot be written as a line that reads back the same, or an empty text when it can.
QString ProfileEntryProblem(const QString& section, const QString& key, const QString& value);

// The file content with the key set. Throws std::invalid_argument when ProfileEntryProblem
// refuses the key.
QByteArray WithProfileString(const QByteArray& content, const QString& section, const QString& key,
                             const QString& value);

// The value of the key in the section of the file content, or nothing.
std::optional<QString> FindProfileString(const QByteArray& content, const QString& section,
                                         const QString& key);

} // namespace qor
