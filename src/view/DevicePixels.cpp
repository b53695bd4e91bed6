// Control rectangles and picture regions in device pixels.
#include "view/DevicePixels.h"

#include <QtMath>

#include <algorithm>

namespace qor {

QRect ToDevicePixels(const QRect& logical, qreal ratio) {
    const int left = qRound(logical.x() * ratio);
    const int top = qRound(logical.y() * ratio);
    const int right = qRound((logical.x() + logical.width()) * ratio);
    const int bottom = qRound((logical.y() + logical.height()) * ratio);
    return {left, top, right - left, bottom - top};
}

PictureBlit TopLeftBlit(QSize picture, QSize target) {
    const int width = std::min(picture.width(), target.width());
    const int height = std::min(picture.height(), target.height());
    if (width <= 0 || height <= 0) {
        return {};
    }
    return {QRect(0, picture.height() - height, width, height),
            QRect(0, target.height() - height, width, height)};
}

} // namespace qor
