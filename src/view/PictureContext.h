// The one OpenGL context every picture window draws with. It is made by the first window that
// draws and kept until the application object ends, with the program that copies a picture made
// at the first picture: each new construction makes a new view and a new window, which find
// both ready instead of making them again.
#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class QOpenGLContext;
class QOpenGLShaderProgram;
class QSurface;
class QSurfaceFormat;

namespace qor {

class PictureContext {
public:
    // The context, made on the first call with the windows' format; null when none can be had.
    static PictureContext* Instance(const QSurfaceFormat& format);

    // Makes the context current on the window; false when that fails.
    bool MakeCurrent(QSurface* window);
    // Lets go of the window, if the context is current on it (before the window goes).
    void Release(QSurface* window);
    // Draws into the window the context is current on, as PresentPicture does (texture 0: black);
    // false when the copying program cannot be made.
    bool Draw(unsigned texture, void* fence, QSize picture, QSize target);
    // Reads back what the current window's back buffer holds, top row first.
    QImage ReadBack(QSize target);
    void SwapBuffers(QSurface* window);

    ~PictureContext();

private:
    PictureContext() = default;

    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLShaderProgram> copier_; // made at the first picture
    unsigned vertexArray_ = 0;                     // the context's own, goes with it
};

} // namespace qor
