// The atomic file writer: a new file, a replaced file keeping its permissions, and every failure
// leaving the old file's bytes and permissions as they were with no temporary file behind.
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace qor {
namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes, mode_t mode) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0);
}

mode_t Mode(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QStringList Entries(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A megabyte, so that no buffer of the file device holds it all.
QByteArray LargeBytes() {
    return QByteArray(1 << 20, 'n');
}

TEST(WriteFileAtomically, WritesANewFileWithTheUsualPermissions) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("new.qor"));
    const mode_t mask = umask(022);
    const auto error = WriteFileAtomically(path, "new bytes");
    umask(mask);
    EXPECT_FALSE(error.has_value());
    EXPECT_EQ(Bytes(path), "new bytes");
    EXPECT_EQ(Mode(path), 0644u);
    EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("new.qor")});
}

TEST(WriteFileAtomically, ReplacesAFileAndKeepsItsPermissions) {
    for (mode_t mode : {0600u, 0640u, 0604u, 0755u, 0444u, 0400u}) {
        SCOPED_TRACE(mode);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("design.qor"));
        Put(path, "old bytes, longer than the new ones", mode);
        EXPECT_FALSE(WriteFileAtomically(path, LargeBytes()).has_value());
        EXPECT_EQ(Bytes(path), LargeBytes());
        EXPECT_EQ(Mode(path), mode);
        EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("design.qor")});
    }
}

TEST(WriteFileAtomically, FollowsASymbolicLinkAndKeepsIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString target = folder.filePath(QStringLiteral("target.qor"));
    const QString link = folder.filePath(QStringLiteral("link.qor"));
    Put(target, "old", 0640);
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(WriteFileAtomically(link, "new").has_value());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(Bytes(target), "new");
}

// Steps that fail as a read-only folder or a full disk would.
class FailingSteps final : public FileWriteSteps {
public:
    explicit FailingSteps(FileWriteStep failing) : failing_(failing) {}

    bool Open(QSaveFile& file) override {
        return failing_ != FileWriteStep::Create && FileWriteSteps::Open(file);
    }

    // A full disk takes part of the bytes, then refuses the rest.
    bool Write(QSaveFile& file, const QByteArray& bytes) override {
        if (failing_ != FileWriteStep::Write) {
            return FileWriteSteps::Write(file, bytes);
        }
        file.write(bytes.left(bytes.size() / 2));
        file.flush();
        return false;
    }

    // The data is all written, but the last flush or the rename fails: nothing is committed.
    bool Commit(QSaveFile& file) override {
        return failing_ != FileWriteStep::Replace && FileWriteSteps::Commit(file);
    }

private:
    FileWriteStep failing_;
};

TEST(WriteFileAtomically, LeavesTheOldFileWholeWhenAStepFails) {
    struct Case {
        const char* name;
        FileWriteStep failing;
    };
    const Case cases[] = {
        {"a read-only folder", FileWriteStep::Create},
        {"a disk full while writing", FileWriteStep::Write},
        {"a disk full at the last flush", FileWriteStep::Replace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("design.qor"));
        Put(path, "the old design", 0604);
        FailingSteps steps(c.failing);
        const auto error = WriteFileAtomically(path, LargeBytes(), steps);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Step, c.failing);
        EXPECT_EQ(Bytes(path), "the old design");
        EXPECT_EQ(Mode(path), 0604u);
        EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("design.qor")});
    }
}

// Lowers the largest file size this process may write, as a full disk would stop a write, and
// ignores the signal that the kernel sends on top of the error. Both are restored on leaving.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*handler_)(int) = nullptr;
};

TEST(WriteFileAtomically, LeavesTheOldFileWholeWhenTheSystemRefusesTheBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("design.qor"));
    Put(path, "the old design", 0640);
    std::optional<FileWriteError> error;
    {
        const FileSizeLimit limit(4096);
        error = WriteFileAtomically(path, LargeBytes());
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->Step, FileWriteStep::Create);
    EXPECT_FALSE(error->Reason.isEmpty());
    EXPECT_EQ(Bytes(path), "the old design");
    EXPECT_EQ(Mode(path), 0640u);
    EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("design.qor")});
}

TEST(WriteFileAtomically, CannotCreateAFileWhereThereIsNoFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString paths[] = {folder.filePath(QStringLiteral("missing/design.qor")), folder.path()};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const auto error = WriteFileAtomically(path, "bytes");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Step, FileWriteStep::Create);
        EXPECT_FALSE(error->Reason.isEmpty());
    }
    EXPECT_TRUE(Entries(folder).isEmpty());
}

} // namespace
} // namespace qor
