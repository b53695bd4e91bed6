// Fuzz target: the INI writer on any existing file (any bytes, any line ends) with a sequence
// of section/key/value writes.
// Input: one byte of choices (bit 0: also write on disk through WriteProfileString; bit 1: on
// disk, start without a file when the old file is empty), then fields split by the byte 0x1F:
// the old file, then section, key and value of each write. A text field is UTF-8 (a leading
// U+FEFF included), or UTF-16 code units when it starts with the byte 0x1E.
// After every write: a refused entry changes nothing, and the refusal matches the rules; the
// file is not empty; the key reads back with its value; every line of the old file is still
// there in order, but for the replaced entry, which keeps its key, indentation and blanks. At
// the end every written key still reads back with the value last written.
#include "FuzzCheck.h"
#include "IniReference.h"

#include "platform/IniFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using qor::fuzz::Check;

constexpr char kFieldEnd = 0x1F;
constexpr char kUtf16Mark = 0x1E;
constexpr std::size_t kMaxWrites = 32;

struct Write {
    QString section;
    QString key;
    QString value;
};

QString TextOf(const QByteArray& field) {
    if (field.startsWith(kUtf16Mark)) {
        std::u16string units(static_cast<std::size_t>(field.size() - 1) / 2, u'\0');
        std::memcpy(units.data(), field.constData() + 1, units.size() * sizeof(char16_t));
        return QString::fromStdU16String(units);
    }
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(field);
}

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The old lines all stay, in order; only the replaced entry may change after its value start.
void CheckLinesKept(const QByteArray& before, const QByteArray& after, bool replaced) {
    const std::vector<QByteArray> old = qor::fuzz::LinesOf(before);
    const std::vector<QByteArray> now = qor::fuzz::LinesOf(after);
    if (replaced) {
        Check(now.size() == old.size(), "replacing a key adds and removes no line");
        int changed = 0;
        for (std::size_t i = 0; i < old.size(); ++i) {
            if (old[i] == now[i]) {
                continue;
            }
            ++changed;
            const qsizetype start = qor::fuzz::ValueStart(old[i]);
            Check(start >= 0 && now[i].startsWith(old[i].left(start)),
                  "the replaced entry keeps its key, indentation and blanks");
        }
        Check(changed <= 1, "replacing a key changes one line at most");
        return;
    }
    Check(now.size() > old.size() && now.size() <= old.size() + 3,
          "a new key adds its line, and its section's header and a blank line at most");
    std::size_t next = 0;
    for (const QByteArray& line : now) {
        if (next < old.size() && line == old[next]) {
            ++next;
        }
    }
    Check(next == old.size(), "every line of the old file is still there, in order");
}

class DiskFile {
public:
    DiskFile() : path_(Folder().filePath(QStringLiteral("settings.ini"))) {}

    void Start(const QByteArray& content, bool absent) {
        QFile::remove(path_);
        if (!absent) {
            QFile file(path_);
            Check(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(),
                  "the fuzz target can write its file");
        }
    }

    // Writes on disk what was written in memory, and compares.
    void Replay(const Write& w, bool refused, const QByteArray& expected) {
        const bool existed = QFile::exists(path_);
        const QByteArray before = Content();
        try {
            qor::WriteProfileString(w.section, w.key, w.value, path_);
            Check(!refused, "WriteProfileString refuses what WithProfileString refuses");
        } catch (const qor::IniWriteError&) {
            Check(refused, "WriteProfileString writes what WithProfileString writes");
            Check(QFile::exists(path_) == existed && Content() == before,
                  "a refused entry leaves the file as it was");
            return;
        }
        Check(Content() == expected, "the file on disk holds what WithProfileString made");
        Check(qor::ReadProfileString(w.section, w.key, path_) == w.value,
              "ReadProfileString reads back the value");
    }

private:
    static const QTemporaryDir& Folder() {
        static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/qor-fuzz-XXXXXX"));
        Check(folder.isValid(), "the fuzz target has a temporary folder");
        return folder;
    }

    QByteArray Content() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool onDisk = (data[0] & 1) != 0;
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1))
            .split(kFieldEnd);
    QByteArray content = fields.front();
    std::vector<Write> writes;
    for (qsizetype i = 1; i + 2 < fields.size() && writes.size() < kMaxWrites; i += 3) {
        writes.push_back({TextOf(fields[i]), TextOf(fields[i + 1]), TextOf(fields[i + 2])});
    }

    static DiskFile disk;
    if (onDisk) {
        disk.Start(content, content.isEmpty() && (data[0] & 2) != 0);
    }
    std::vector<Write> written; // the last value of each key, by section and key
    for (const Write& w : writes) {
        const bool refused = qor::fuzz::RefusesEntry(w.section, w.key, w.value);
        Check(qor::ProfileEntryProblem(w.section, w.key, w.value).isEmpty() != refused,
              "ProfileEntryProblem refuses exactly what the rules refuse");
        QByteArray next = content;
        try {
            next = qor::WithProfileString(content, w.section, w.key, w.value);
            Check(!refused, "a refused entry is not written");
        } catch (const std::invalid_argument&) {
            Check(refused, "an entry that the rules allow is written");
        }
        if (onDisk) {
            disk.Replay(w, refused, next);
        }
        if (refused) {
            continue;
        }
        Check(!next.isEmpty(), "the file is not empty after a write");
        Check(qor::FindProfileString(next, w.section, w.key) == w.value,
              "the key reads back with its value");
        CheckLinesKept(content, next,
                       qor::FindProfileString(content, w.section, w.key).has_value());
        std::erase_if(written, [&](const Write& old) {
            return SameName(old.section, w.section) && SameName(old.key, w.key);
        });
        written.push_back(w);
        content = next;
    }
    for (const Write& w : written) {
        Check(qor::FindProfileString(content, w.section, w.key) == w.value,
              "every written key reads back with the value last written");
    }
    return 0;
}
