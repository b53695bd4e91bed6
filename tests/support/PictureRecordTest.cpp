// A failed picture test leaves the picture it got and the one it expected where a person can
// look at them; a test that passes leaves nothing.
#include "PictureRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace qor::test {
namespace {

// Points the record at a folder of its own while alive, and back at what it was afterwards.
class PictureFolder {
public:
    PictureFolder() : previous_(qgetenv("QOR_FAILED_PICTURES")) {
        qputenv("QOR_FAILED_PICTURES", dir.filePath("pictures").toUtf8());
    }
    ~PictureFolder() { qputenv("QOR_FAILED_PICTURES", previous_); }

    QTemporaryDir dir;

private:
    QByteArray previous_;
};

QImage Gradient() {
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixelColor(x, y, QColor(6 * x, 8 * y, 200));
        }
    }
    return image;
}

bool IsGrey(const QColor& c) {
    return c.red() == c.green() && c.green() == c.blue();
}

TEST(PictureRecordTest, APassingTestWritesNothing) {
    PictureFolder folder;
    const PictureRecord record(QStringLiteral("scene"), Gradient());
    EXPECT_TRUE(record.WriteIfFailed(false).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.dir.filePath("pictures")));
}

TEST(PictureRecordTest, AFailedTestWritesWhatItGotBesideTheMarkedExpectation) {
    PictureFolder folder;
    const QImage got = Gradient();
    PictureRecord record(QStringLiteral("scene"), got);
    record.ExpectSpot({20, 15}, Qt::red);
    const QString base =
        QDir(folder.dir.filePath("pictures"))
            .filePath("PictureRecordTest."
                      "AFailedTestWritesWhatItGotBesideTheMarkedExpectation.scene");
    ASSERT_EQ(record.WriteIfFailed(true), QStringList({base + ".got.png", base + ".expected.png"}));
    EXPECT_EQ(QImage(base + ".got.png").convertToFormat(QImage::Format_RGB32), got);

    const QImage expected(base + ".expected.png");
    ASSERT_EQ(expected.size(), got.size());
    // The ring around the spot in the expected colour, the rest of the picture greyed.
    const QColor onRing = expected.pixelColor(26, 15);
    EXPECT_GT(onRing.red(), 150);
    EXPECT_LT(onRing.green(), 100);
    EXPECT_TRUE(IsGrey(expected.pixelColor(20, 15))) << "the spot itself stays visible";
    EXPECT_TRUE(IsGrey(expected.pixelColor(2, 2)));
    EXPECT_TRUE(IsGrey(expected.pixelColor(38, 28)));
}

TEST(PictureRecordTest, AWholeExpectedPictureIsWrittenAsItIs) {
    PictureFolder folder;
    QImage other = Gradient();
    other.fill(Qt::darkCyan);
    PictureRecord record(QStringLiteral("screen"), Gradient());
    record.Expect(other);
    const QStringList written = record.WriteIfFailed(true);
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(QImage(written[1]).convertToFormat(QImage::Format_RGB32), other);
}

TEST(PictureRecordTest, TheFolderComesFromTheEnvironmentOrTheTemporaryFolder) {
    PictureFolder folder;
    EXPECT_EQ(FailedPicturesFolder(), folder.dir.filePath("pictures"));
    qunsetenv("QOR_FAILED_PICTURES");
    EXPECT_EQ(FailedPicturesFolder(), QDir::temp().filePath("failed-pictures"));
}

} // namespace
} // namespace qor::test
