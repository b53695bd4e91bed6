// Writing keys into INI files on disk: the file is replaced whole or not at all.
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace {

class IniFile : public testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    void Put(const QString& name, const QByteArray& content) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    QByteArray Content(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // The exception's text and reason, or empty texts when nothing was thrown.
    static std::pair<std::string, QString> FailureOf(const std::function<void()>& write) {
        try {
            write();
        } catch (const qor::IniWriteError& error) {
            return {error.what(), error.reason()};
        }
        return {};
    }

private:
    QTemporaryDir dir_;
};

TEST_F(IniFile, CreatesAMissingFile) {
    qor::WriteProfileString("D3DRMDevice", "Dither", "1", PathOf("qor.ini"));
    EXPECT_EQ(Content("qor.ini"), "[D3DRMDevice]\nDither=1\n");
    EXPECT_EQ(Entries(), QStringList{"qor.ini"});
}

TEST_F(IniFile, KeepsEverythingElseByteForByte) {
    const QByteArray before = "; QOR\r\n[D3DRMDevice]\r\nDither=0\r\nShades = 32\r\n\r\n"
                              "[Mine]\r\nx=\xFF\r\n";
    Put("qor.ini", before);
    qor::WriteProfileString("D3DRMDevice", "Dither", "1", PathOf("qor.ini"));
    qor::WriteProfileString("D3DRMDevice", "Quality", "136", PathOf("qor.ini"));
    qor::WriteProfileString("VideoPort", "Front", "0.100000001490116", PathOf("qor.ini"));
    EXPECT_EQ(Content("qor.ini"), "; QOR\r\n[D3DRMDevice]\r\nDither=1\r\nShades = 32\r\n"
                                  "Quality=136\r\n\r\n[Mine]\r\nx=\xFF\r\n\r\n"
                                  "[VideoPort]\r\nFront=0.100000001490116\r\n");
    EXPECT_EQ(qor::ReadProfileString("videoport", "front", PathOf("qor.ini")), "0.100000001490116");
}

TEST_F(IniFile, ReplacesTheFileByRenaming) {
    Put("qor.ini", "[S]\nk=1\n");
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(PathOf("qor.ini")).constData(), &before), 0);
    qor::WriteProfileString("S", "k", "2", PathOf("qor.ini"));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(PathOf("qor.ini")).constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "the old file was overwritten, not replaced";
    EXPECT_EQ(Content("qor.ini"), "[S]\nk=2\n");
    EXPECT_EQ(Entries(), QStringList{"qor.ini"});
}

TEST_F(IniFile, WritingTheValueItHoldsLeavesTheFileAlone) {
    Put("qor.ini", "[S]\nk=1\n");
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(PathOf("qor.ini")).constData(), &before), 0);
    qor::WriteProfileString("s", "K", "1", PathOf("qor.ini"));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(PathOf("qor.ini")).constData(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(IniFile, KeepsThePermissions) {
    Put("qor.ini", "[S]\nk=1\n");
    const QByteArray path = QFile::encodeName(PathOf("qor.ini"));
    ASSERT_EQ(::chmod(path.constData(), 0640), 0);
    qor::WriteProfileString("S", "k", "2", PathOf("qor.ini"));
    struct stat after {};
    ASSERT_EQ(::stat(path.constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(Content("qor.ini"), "[S]\nk=2\n");
}

TEST_F(IniFile, WritesThroughASymbolicLink) {
    Put("real.ini", "[S]\nk=1\n");
    ASSERT_TRUE(QFile::link(PathOf("real.ini"), PathOf("qor.ini")));
    qor::WriteProfileString("S", "k", "2", PathOf("qor.ini"));
    EXPECT_TRUE(QFileInfo(PathOf("qor.ini")).isSymLink());
    EXPECT_EQ(Content("real.ini"), "[S]\nk=2\n");
}

TEST_F(IniFile, FailsInAMissingFolder) {
    const QString path = PathOf("missing/qor.ini");
    const auto [text, reason] = FailureOf([&] { qor::WriteProfileString("S", "k", "1", path); });
    EXPECT_EQ(text, "Unable to write to " + path.toStdString());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(Entries(), QStringList{});
}

TEST_F(IniFile, FailsWhenTheFolderIsAFile) {
    Put("plain", "not a folder");
    const QString path = PathOf("plain/qor.ini");
    const auto [text, reason] = FailureOf([&] { qor::WriteProfileString("S", "k", "1", path); });
    EXPECT_EQ(text, "Unable to write to " + path.toStdString());
    EXPECT_EQ(Content("plain"), "not a folder");
}

TEST_F(IniFile, FailsWhenTheFileIsAFolder) {
    ASSERT_TRUE(QDir(PathOf("")).mkdir("qor.ini"));
    const auto [text, reason] =
        FailureOf([&] { qor::WriteProfileString("S", "k", "1", PathOf("qor.ini")); });
    EXPECT_EQ(text, "Unable to write to " + PathOf("qor.ini").toStdString());
    EXPECT_TRUE(QFileInfo(PathOf("qor.ini")).isDir());
    EXPECT_EQ(Entries(), QStringList{"qor.ini"});
}

TEST_F(IniFile, NeitherReadsNorReplacesAPipe) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("qor.ini")).constData(), 0600), 0);
    const auto [text, reason] =
        FailureOf([&] { qor::WriteProfileString("S", "k", "1", PathOf("qor.ini")); });
    EXPECT_EQ(text, "Unable to write to " + PathOf("qor.ini").toStdString());
    EXPECT_EQ(qor::ReadProfileString("S", "k", PathOf("qor.ini")), std::nullopt);
    EXPECT_EQ(QFileInfo(PathOf("qor.ini")).isFile(), false) << "the pipe is still there";
}

TEST_F(IniFile, RefusedKeyLeavesTheFileAsItWas) {
    Put("qor.ini", "[S]\nk=1\n");
    const auto [text, reason] =
        FailureOf([&] { qor::WriteProfileString("S", "k", "2\n[T]", PathOf("qor.ini")); });
    EXPECT_EQ(text, "Unable to write to " + PathOf("qor.ini").toStdString());
    EXPECT_EQ(reason, "the value holds a line break or a control character");
    EXPECT_EQ(Content("qor.ini"), "[S]\nk=1\n");
}

// Lowers the largest file this process may write, as a full disk would stop it, and ignores the
// signal that the kernel sends when a write crosses the limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(IniFile, FullDiskKeepsTheKeysWrittenBeforeAndTheFileWhole) {
    const QByteArray padding = "; " + QByteArray(8000, '-') + "\n";
    Put("qor.ini", padding);
    qor::WriteProfileString("D3DRMDevice", "Dither", "1", PathOf("qor.ini"));
    qor::WriteProfileString("D3DRMDevice", "Shades", "32", PathOf("qor.ini"));
    const QByteArray written = Content("qor.ini");

    std::pair<std::string, QString> failure;
    {
        const FileSizeLimit limit(4096);
        failure = FailureOf(
            [&] { qor::WriteProfileString("D3DRMDevice", "Quality", "136", PathOf("qor.ini")); });
    }
    EXPECT_EQ(failure.first, "Unable to write to " + PathOf("qor.ini").toStdString());
    EXPECT_EQ(failure.second.toStdString(), std::generic_category().message(EFBIG));
    EXPECT_EQ(Content("qor.ini"), written);
    EXPECT_EQ(qor::ReadProfileString("D3DRMDevice", "Shades", PathOf("qor.ini")), "32");
    EXPECT_EQ(Entries(), QStringList{"qor.ini"}) << "no temporary file is left behind";
}

TEST_F(IniFile, ReadsNothingFromAMissingFile) {
    EXPECT_EQ(qor::ReadProfileString("S", "k", PathOf("qor.ini")), std::nullopt);
}

} // namespace
