#include "PictureRecord.h"

#include <QDir>
#include <QPainter>
#include <QPen>
#include <gtest/gtest.h>

#include <iostream>

namespace qor::test {

namespace {

// Around a spot of a 3 x 3 block, wide enough to see at a glance.
constexpr double kRingRadius = 6.0;

// "<suite>.<test>" of the running test, with the "/" of parameterised names made "_".
QString RunningTestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (info == nullptr) {
        return QStringLiteral("no-test");
    }
    return QStringLiteral("%1.%2")
        .arg(QString::fromUtf8(info->test_suite_name()), QString::fromUtf8(info->name()))
        .replace(QLatin1Char('/'), QLatin1Char('_'));
}

QImage Greyed(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    return grey.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QString FailedPicturesFolder() {
    const QString folder = qEnvironmentVariable("QOR_FAILED_PICTURES");
    return folder.isEmpty() ? QDir::temp().filePath(QStringLiteral("failed-pictures")) : folder;
}

PictureRecord::PictureRecord(const QString& name, const QImage& got)
    : name_(name), got_(got), expected_(Greyed(got)) {}

PictureRecord::~PictureRecord() {
    WriteIfFailed(::testing::Test::HasFailure());
}

void PictureRecord::ExpectSpot(QPointF at, const QColor& colour) {
    if (expected_.isNull()) {
        return;
    }
    QPainter painter(&expected_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    painter.drawEllipse(at, kRingRadius, kRingRadius);
}

QStringList PictureRecord::WriteIfFailed(bool failed) const {
    if (!failed) {
        return {};
    }
    const QDir folder(FailedPicturesFolder());
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cout << "could not make " << folder.path().toStdString() << '\n';
        return {};
    }
    const QString base = folder.filePath(RunningTestName() + QLatin1Char('.') + name_);
    QStringList written;
    for (const auto& [picture, suffix] : {std::pair{&got_, QStringLiteral(".got.png")},
                                          std::pair{&expected_, QStringLiteral(".expected.png")}}) {
        const QString path = base + suffix;
        if (picture->save(path)) {
            written << path;
            std::cout << "wrote " << path.toStdString() << '\n';
        }
    }
    return written;
}

} // namespace qor::test
