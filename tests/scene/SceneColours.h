// The colours of the scene's parts as they show on a rendered picture, and a count of the
// pixels around a point that have one of them.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <cmath>
#include <functional>

namespace qor::test {

using ColourTest = std::function<bool(const QColor&)>;

// How a spot expected in each colour is marked on an expected picture (see PictureRecord); a
// spot where none of them may show is marked black.
inline const QColor kPurpleMark(0xa0, 0x3c, 0xc8);
inline const QColor kYellowMark(0xe6, 0xc8, 0x28);
inline const QColor kOrangeMark(0xe6, 0x82, 0x28);
inline const QColor kNothingMark(Qt::black);

inline bool Purple(const QColor& c) {
    return c.blue() - c.green() > 40 && c.red() - c.green() > 25;
}

inline bool Yellow(const QColor& c) {
    return c.red() > 150 && c.green() > 120 && c.red() - c.blue() > 100 &&
           c.green() - c.blue() > 80;
}

inline bool Orange(const QColor& c) {
    return c.red() > 120 && c.red() - c.green() > 40 && c.green() - c.blue() > 30;
}

// Pixels of the 3 x 3 block around a point that pass the test.
inline int Matching(const QImage& image, QPointF at, const ColourTest& test) {
    const int x = static_cast<int>(std::lround(at.x()));
    const int y = static_cast<int>(std::lround(at.y()));
    int count = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.valid(x + dx, y + dy) && test(image.pixelColor(x + dx, y + dy))) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace qor::test
