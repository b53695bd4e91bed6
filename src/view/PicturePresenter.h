// Showing a device's picture in a window: a framebuffer blit from the device's texture (shared
// with the window's context) into the window's framebuffer. The scene is not rendered again.
#pragma once

#include <QSize>

class QOpenGLExtraFunctions;

namespace qor {

// Clears the target framebuffer to black and copies the picture's top-left part (as much as
// fits) to the target's top-left corner. picture is the texture's size, target the
// framebuffer's, both in device pixels. fence (a GLsync of the context that drew the picture,
// or null) is waited for before the texture is read.
void PresentPicture(QOpenGLExtraFunctions& gl, unsigned texture, void* fence, QSize picture,
                    unsigned targetFramebuffer, QSize target);

// Clears the target framebuffer to black.
void PresentNothing(QOpenGLExtraFunctions& gl, unsigned targetFramebuffer);

} // namespace qor
