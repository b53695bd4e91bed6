// Where the controls meet the device's picture: control rectangles in device pixels, and the
// part of the picture that a control of some size shows.
#pragma once

#include <QRect>
#include <QSize>

namespace qor {

// A rectangle of logical pixels in device pixels at that ratio. Neighbouring rectangles stay
// neighbours: each edge is rounded on its own.
QRect ToDevicePixels(const QRect& logical, qreal ratio);

// A blit from the device's picture (an OpenGL texture, bottom row first) into a framebuffer of
// the control's size in device pixels (also bottom row first): the picture's top-left corner
// shows at the control's top-left corner. Both rectangles are empty when nothing overlaps.
struct PictureBlit {
    QRect source;
    QRect target;
};
PictureBlit TopLeftBlit(QSize picture, QSize target);

} // namespace qor
