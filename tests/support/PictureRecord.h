// What a picture test looked at, kept so that a failure can be looked at afterwards, on a build
// machine too: when the running test has failed by the time the record goes, the picture it got
// and the one it expected are written side by side into FailedPicturesFolder(), as
// "<suite>.<test>.<name>.got.png" and "....expected.png", and their paths are printed.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace qor::test {

// $QOR_FAILED_PICTURES (ctest sets it to the build folder's "failed-pictures"), else a folder
// of that name in the temporary folder.
QString FailedPicturesFolder();

class PictureRecord {
public:
    // The picture the test got; the expected one starts as a greyed copy of it, on which the
    // expected spots are marked.
    PictureRecord(const QString& name, const QImage& got);
    ~PictureRecord();
    PictureRecord(const PictureRecord&) = delete;
    PictureRecord& operator=(const PictureRecord&) = delete;

    // The whole picture the test expects.
    void Expect(const QImage& expected) { expected_ = expected; }
    // A spot where the test expects a colour, ringed in that colour on the expected picture.
    void ExpectSpot(QPointF at, const QColor& colour);

    const QImage& Expected() const { return expected_; }

    // Writes both pictures when the test failed; returns the paths written.
    QStringList WriteIfFailed(bool failed) const;

private:
    QString name_;
    QImage got_;
    QImage expected_;
};

} // namespace qor::test
