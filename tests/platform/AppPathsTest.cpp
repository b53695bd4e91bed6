// Where the model set and the examples are looked for, and where the settings file goes.
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using qor::ModelSetRoot;

struct Folders {
    QTemporaryDir top;
    QString work = top.filePath("work");
    QString bin = top.filePath("prefix/bin");
    QString installed = top.filePath("prefix/share/qor/QORX");

    Folders() {
        QDir().mkpath(work);
        QDir().mkpath(bin);
    }
    void Make(const QString& path) const { ASSERT_TRUE(QDir().mkpath(path)); }
};

TEST(ModelSetRoot, PrefersTheWorkingDirectorysSet) {
    Folders f;
    f.Make(f.work + "/QORX");
    f.Make(f.bin + "/QORX");
    f.Make(f.installed);
    EXPECT_EQ(ModelSetRoot(f.work, f.bin), f.work + "/QORX");
}

TEST(ModelSetRoot, FallsBackToTheSetBesideTheExecutableThenTheInstalledOne) {
    Folders f;
    f.Make(f.bin + "/QORX");
    f.Make(f.installed);
    EXPECT_EQ(ModelSetRoot(f.work, f.bin), f.bin + "/QORX");
    QDir(f.bin + "/QORX").removeRecursively();
    EXPECT_EQ(ModelSetRoot(f.work, f.bin), f.installed);
}

TEST(ModelSetRoot, NamesTheWorkingDirectorysSetWhenThereIsNone) {
    Folders f;
    EXPECT_EQ(ModelSetRoot(f.work, f.bin), f.work + "/QORX");
}

TEST(ModelSetRoot, IgnoresAFileNamedLikeTheSet) {
    Folders f;
    QFile file(f.work + "/QORX");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    f.Make(f.installed);
    EXPECT_EQ(ModelSetRoot(f.work, f.bin), f.installed);
}

TEST(ExamplesFolder, IsTheOneBesideTheExecutableThenTheInstalledOneThenNone) {
    Folders f;
    const QString installed = f.top.filePath("prefix/share/qor/examples");
    f.Make(f.bin + "/examples");
    f.Make(installed);
    EXPECT_EQ(qor::ExamplesFolder(f.bin), f.bin + "/examples");
    QDir(f.bin + "/examples").removeRecursively();
    EXPECT_EQ(qor::ExamplesFolder(f.bin), installed);
    QDir(installed).removeRecursively();
    EXPECT_EQ(qor::ExamplesFolder(f.bin), QString());
}

TEST(ModelPath, TurnsTheProgramsBackslashesIntoPathSeparators) {
    EXPECT_EQ(qor::ModelPath("QORX", "ENV\\floors.x"), "QORX/ENV/floors.x");
    EXPECT_EQ(qor::ModelPath("/usr/share/qor/QORX", "LINKS\\L10.x"),
              "/usr/share/qor/QORX/LINKS/L10.x");
}

TEST(SettingsFilePath, IsTheExecutablesPathWithIniBesideAWritableExecutable) {
    QTemporaryDir dir;
    EXPECT_EQ(qor::SettingsFilePath(dir.filePath("qor"), "/config"), dir.filePath("qor.ini"));
    EXPECT_EQ(qor::SettingsFilePath(dir.filePath("qor.exe"), "/config"), dir.filePath("qor.ini"));
}

TEST(SettingsFilePath, GoesToTheConfigurationFolderWhenTheExecutablesFolderIsNotWritable) {
    EXPECT_EQ(qor::SettingsFilePath("/no/such/folder/qor", "/home/u/.config"),
              "/home/u/.config/qor/qor.ini");
}

TEST(SettingsFilePath, GoesToTheConfigurationFolderBesideAReadOnlyFolder) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder; the permission case needs a user";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(qor::SettingsFilePath(dir.filePath("qor"), "/cfg"), "/cfg/qor/qor.ini");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// An installed program's first save goes to a configuration folder that does not exist yet.
TEST(MakeSettingsFolder, LetsTheFirstSaveIntoAFreshConfigurationFolderSucceed) {
    QTemporaryDir home;
    const QString file = qor::SettingsFilePath("/no/such/folder/qor", home.filePath(".config"));
    qor::MakeSettingsFolder(file);
    qor::WriteProfileString("D3DRMDevice", "Dither", "1", file);
    EXPECT_EQ(qor::ReadProfileString("D3DRMDevice", "Dither", file), QString("1"));
}

TEST(MakeSettingsFolder, LeavesAFolderThatCannotBeMadeToTheWriteToReport) {
    QTemporaryDir home;
    QFile plain(home.filePath("config"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString file = qor::SettingsFilePath("/no/such/folder/qor", plain.fileName());
    qor::MakeSettingsFolder(file);
    EXPECT_TRUE(QFileInfo(plain.fileName()).isFile());
    try {
        qor::WriteProfileString("D3DRMDevice", "Dither", "1", file);
        ADD_FAILURE() << "the write into a folder below a file succeeded";
    } catch (const qor::IniWriteError& error) {
        EXPECT_EQ(error.what(), "Unable to write to " + file.toStdString());
    }
}

} // namespace
