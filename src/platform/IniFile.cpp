// Setting and reading keys of INI files: parsing lines, locating a key, replacing the file.
#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

namespace qor {
namespace {

enum class LineKind {
    Blank,   // nothing but blanks
    Comment, // starts with ';' or '#'
    Section, // "[name]"
    Entry,   // "key=value", or any other text
};

struct Line {
    qsizetype textEnd; // first byte of its line end
    qsizetype end;     // past its line end
    LineKind kind;
    QString name;         // section name or key
    qsizetype valueBegin; // an entry's first value byte after the blanks; -1 without "="
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

qsizetype SkipBlanks(const QByteArray& content, qsizetype from, qsizetype to) {
    while (from < to && IsBlank(content[from]))
        ++from;
    return from;
}

qsizetype DropBlanks(const QByteArray& content, qsizetype from, qsizetype to) {
    while (to > from && IsBlank(content[to - 1]))
        --to;
    return to;
}

// The first position of c in [from, to), or to.
qsizetype Find(const QByteArray& content, char c, qsizetype from, qsizetype to) {
    const char* data = content.constData();
    return std::find(data + from, data + to, c) - data;
}

// The last position of c in [from, to), or to.
qsizetype FindLast(const QByteArray& content, char c, qsizetype from, qsizetype to) {
    for (qsizetype i = to; i > from; --i) {
        if (content[i - 1] == c)
            return i - 1;
    }
    return to;
}

QString TrimmedText(const QByteArray& content, qsizetype from, qsizetype to) {
    from = SkipBlanks(content, from, to);
    to = DropBlanks(content, from, to);
    // A name or value may start with U+FEFF, which QString::fromUtf8 would drop as a byte order
    // mark; the file's own mark is skipped before lines are read.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(content.constData() + from, to - from));
}

void Classify(const QByteArray& content, Line& line, qsizetype textBegin) {
    const qsizetype first = SkipBlanks(content, textBegin, line.textEnd);
    line.valueBegin = -1;
    if (first == line.textEnd) {
        line.kind = LineKind::Blank;
        return;
    }
    const char c = content[first];
    if (c == ';' || c == '#') {
        line.kind = LineKind::Comment;
        return;
    }
    if (c == '[') {
        const qsizetype close = FindLast(content, ']', first + 1, line.textEnd);
        if (close < line.textEnd) {
            line.kind = LineKind::Section;
            line.name = TrimmedText(content, first + 1, close);
            return;
        }
    }
    line.kind = LineKind::Entry;
    const qsizetype equals = Find(content, '=', first, line.textEnd);
    if (equals == line.textEnd) {
        line.name = TrimmedText(content, first, line.textEnd);
        return;
    }
    line.name = TrimmedText(content, first, equals);
    line.valueBegin = SkipBlanks(content, equals + 1, line.textEnd);
}

std::vector<Line> ParseLines(const QByteArray& content) {
    std::vector<Line> lines;
    qsizetype begin = 0;
    while (begin < content.size()) {
        const qsizetype newline = content.indexOf('\n', begin);
        Line line{};
        line.end = newline < 0 ? content.size() : newline + 1;
        line.textEnd = newline < 0 ? content.size() : newline;
        if (newline >= 0 && line.textEnd > begin && content[line.textEnd - 1] == '\r')
            --line.textEnd;
        const bool byteOrderMark = begin == 0 && content.startsWith("\xEF\xBB\xBF");
        Classify(content, line, byteOrderMark ? 3 : begin);
        lines.push_back(line);
        begin = line.end;
    }
    return lines;
}

QByteArray LineEndOf(const QByteArray& content) {
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content[newline - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

// What to put after the line when something is added after it: nothing when it has a line end.
// A line that ends in '\r' gets "\r\n" whatever the file uses, since with "\n" that '\r' would
// be read as part of the line end and leave the line.
QByteArray EndingAfter(const QByteArray& content, const Line& line, const QByteArray& lineEnd) {
    if (line.textEnd != line.end)
        return {};
    return line.textEnd > 0 && content[line.textEnd - 1] == '\r' ? QByteArray("\r\n") : lineEnd;
}

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

struct Location {
    int entry = -1;       // the key's line
    int header = -1;      // the header of the first section of that name
    int insertAfter = -1; // the last entry of that first section, else its header
};

Location Locate(const std::vector<Line>& lines, const QString& section, const QString& key) {
    Location at;
    bool inSection = false;
    bool inFirstSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Section) {
            inSection = SameName(line.name, section);
            inFirstSection = inSection && at.header < 0;
            if (inFirstSection)
                at.header = at.insertAfter = i;
        } else if (line.kind == LineKind::Entry && inSection) {
            if (line.valueBegin >= 0 && SameName(line.name, key)) {
                at.entry = i;
                return at;
            }
            if (inFirstSection)
                at.insertAfter = i;
        }
    }
    return at;
}

bool StartsAndEndsWithSameQuote(const QString& text) {
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
           text.back() == text.front();
}

QByteArray EncodedValue(const QString& value) {
    const bool blankEnd = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
    if (blankEnd || StartsAndEndsWithSameQuote(value))
        return '"' + value.toUtf8() + '"';
    return value.toUtf8();
}

QString DecodedValue(const QByteArray& content, const Line& line) {
    QString value = TrimmedText(content, line.valueBegin, line.textEnd);
    if (StartsAndEndsWithSameQuote(value))
        value = value.sliced(1, value.size() - 2);
    return value;
}

// Characters after which a reader could see a new line, or that have no UTF-8 form.
bool HoldsUnwritable(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029)
            return true;
    }
    return !QStringView(text).isValidUtf16();
}

QString NameProblem(const QString& what, const QString& name) {
    if (name.isEmpty())
        return what + QStringLiteral(" is empty");
    if (IsBlank(name.front()) || IsBlank(name.back()))
        return what + QStringLiteral(" has blanks at an end");
    if (HoldsUnwritable(name))
        return what + QStringLiteral(" holds a line break or a control character");
    return {};
}

QByteArray ReadWhole(const QString& fileName, QString& problem) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return {};
    // Reading a pipe or a device could block or never end.
    if (!info.isFile()) {
        problem = QStringLiteral("it is not a regular file");
        return {};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return {};
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        problem = file.errorString();
    return content;
}

QString SystemError(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// Makes the rename itself survive a power cut. Without it the folder may still show the previous
// file afterwards, which is whole too, so a failure here is not worth reporting.
void SyncFolder(const QString& fileName) {
    const QString folder = QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath();
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Writes all of the content, or fails with errno set.
bool WriteAll(int fd, const QByteArray& content) {
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

void ReplaceFile(const QString& fileName, const QByteArray& content) {
    // QSaveFile writes beside the target and renames over it only on commit; it follows symbolic
    // links, keeps the permissions, and deletes the temporary file when it goes out of scope
    // uncommitted. The content goes straight to its descriptor, so that a failure reports the
    // system's reason, and is synced here because QSaveFile ignores a failed sync.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IniWriteError(fileName, file.errorString());
    if (!WriteAll(file.handle(), content) || ::fsync(file.handle()) != 0)
        throw IniWriteError(fileName, SystemError(errno));
    if (!file.commit())
        throw IniWriteError(fileName, file.errorString());
    SyncFolder(fileName);
}

} // namespace

IniWriteError::IniWriteError(const QString& fileName, const QString& reason)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(fileName).toStdString()),
      reason_(reason) {}

QString ProfileEntryProblem(const QString& section, const QString& key, const QString& value) {
    if (QString problem = NameProblem(QStringLiteral("the section name"), section);
        !problem.isEmpty())
        return problem;
    if (QString problem = NameProblem(QStringLiteral("the key"), key); !problem.isEmpty())
        return problem;
    if (key.contains(u'='))
        return QStringLiteral("the key holds '='");
    if (key.front() == u'[' || key.front() == u';' || key.front() == u'#')
        return QStringLiteral("the key starts with '[', ';' or '#'");
    if (HoldsUnwritable(value))
        return QStringLiteral("the value holds a line break or a control character");
    return {};
}

QByteArray WithProfileString(const QByteArray& content, const QString& section, const QString& key,
                             const QString& value) {
    if (const QString problem = ProfileEntryProblem(section, key, value); !problem.isEmpty())
        throw std::invalid_argument(problem.toStdString());
    const std::vector<Line> lines = ParseLines(content);
    const Location at = Locate(lines, section, key);
    QByteArray result = content;
    if (at.entry >= 0) {
        const Line& line = lines[at.entry];
        return result.replace(line.valueBegin, line.textEnd - line.valueBegin, EncodedValue(value));
    }
    const QByteArray lineEnd = LineEndOf(content);
    const QByteArray entry = key.toUtf8() + '=' + EncodedValue(value) + lineEnd;
    if (at.header >= 0) {
        const Line& after = lines[at.insertAfter];
        return result.insert(after.end, EndingAfter(content, after, lineEnd) + entry);
    }
    if (!lines.empty()) {
        result += EndingAfter(content, lines.back(), lineEnd);
        if (lines.back().kind != LineKind::Blank)
            result += lineEnd;
    }
    return result + '[' + section.toUtf8() + ']' + lineEnd + entry;
}

std::optional<QString> FindProfileString(const QByteArray& content, const QString& section,
                                         const QString& key) {
    const std::vector<Line> lines = ParseLines(content);
    const Location at = Locate(lines, section, key);
    if (at.entry < 0)
        return std::nullopt;
    return DecodedValue(content, lines[at.entry]);
}

void WriteProfileString(const QString& section, const QString& key, const QString& value,
                        const QString& fileName) {
    if (const QString problem = ProfileEntryProblem(section, key, value); !problem.isEmpty())
        throw IniWriteError(fileName, problem);
    QString problem;
    const QByteArray content = ReadWhole(fileName, problem);
    if (!problem.isEmpty())
        throw IniWriteError(fileName, problem);
    const QByteArray updated = WithProfileString(content, section, key, value);
    if (updated != content)
        ReplaceFile(fileName, updated);
}

std::optional<QString> ReadProfileString(const QString& section, const QString& key,
                                         const QString& fileName) {
    QString problem;
    const QByteArray content = ReadWhole(fileName, problem);
    if (!problem.isEmpty())
        return std::nullopt;
    return FindProfileString(content, section, key);
}

} // namespace qor
