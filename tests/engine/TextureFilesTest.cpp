// Texture files are decoded once per version of the file: a second read shares the first's
// pixels, a changed file is read again, and a file that is not a picture gives no texture.
#include "XFiles.h"

#include "engine/TextureFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(TextureFilesTest, ASecondReadSharesThePictureOfTheFirst) {
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.png");
    ASSERT_TRUE(test::CheckerImage(16, 2).save(path));
    const QImage first = ReadTextureFile(path);
    const QImage second = ReadTextureFile(path);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(first.size(), QSize(16, 16));
    EXPECT_EQ(second.cacheKey(), first.cacheKey());
}

TEST(TextureFilesTest, AChangedFileIsReadAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.png");
    ASSERT_TRUE(test::CheckerImage(16, 2).save(path));
    const QImage before = ReadTextureFile(path);
    ASSERT_TRUE(test::CheckerImage(32, 4).save(path));
    const QImage after = ReadTextureFile(path);
    EXPECT_EQ(before.size(), QSize(16, 16));
    EXPECT_EQ(after.size(), QSize(32, 32));
}

TEST(TextureFilesTest, KeepsOnlyTheMostRecentFiles) {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.png");
    ASSERT_TRUE(test::CheckerImage(8, 2).save(first));
    const qint64 key = ReadTextureFile(first).cacheKey();
    for (int i = 0; i < kKeptTextureFiles; ++i) {
        const QString other = dir.filePath(QString("other%1.png").arg(i));
        ASSERT_TRUE(test::CheckerImage(8, 2).save(other));
        ASSERT_FALSE(ReadTextureFile(other).isNull());
    }
    EXPECT_NE(ReadTextureFile(first).cacheKey(), key) << "the first file was let go and read anew";
}

TEST(TextureFilesTest, AFileThatIsNotAPictureGivesNoTexture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_TRUE(ReadTextureFile(path).isNull());
    EXPECT_TRUE(ReadTextureFile(dir.filePath("missing.png")).isNull());
}

} // namespace
} // namespace qor
