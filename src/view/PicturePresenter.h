// Showing a device's picture in a window: the device's texture (shared with the window's context)
// is drawn into the window's framebuffer pixel for pixel. The scene is not rendered again.
#pragma once

#include <QSize>

#include <memory>

class QOpenGLExtraFunctions;
class QOpenGLShaderProgram;

namespace qor {

// The program that copies a picture, made in the current context; null when it cannot be made.
// The copy is a draw and not a framebuffer blit: a software driver compiles its own shaders for a
// blit again in every new context, which cost a new scene's first frame about 50 ms, while it
// keeps this program compiled in its cache from one run to the next.
std::unique_ptr<QOpenGLShaderProgram> MakePictureCopier();

// Clears the target framebuffer to black and copies the picture's top-left part (as much as
// fits) to the target's top-left corner. picture is the texture's size, target the
// framebuffer's, both in device pixels. fence (a GLsync of the context that drew the picture,
// or null) is waited for before the texture is read. copier comes from MakePictureCopier in the
// current context, and vertexArray is any vertex array of it (the copy reads no attribute).
void PresentPicture(QOpenGLExtraFunctions& gl, QOpenGLShaderProgram& copier, unsigned vertexArray,
                    unsigned texture, void* fence, QSize picture, unsigned targetFramebuffer,
                    QSize target);

// Clears the target framebuffer to black.
void PresentNothing(QOpenGLExtraFunctions& gl, unsigned targetFramebuffer);

} // namespace qor
