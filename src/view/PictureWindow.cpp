// The native window that shows a device's picture.
#include "view/PictureWindow.h"

#include "view/PicturePresenter.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QSurfaceFormat>

namespace qor {

PictureWindow::PictureWindow(std::function<void()> exposed) : exposed_(std::move(exposed)) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowTransparentForInput);
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    setFormat(format);
}

PictureWindow::~PictureWindow() {
    if (context_) {
        context_->doneCurrent();
    }
}

bool PictureWindow::Present(unsigned texture, void* fence, QSize picture) {
    if (!Draw(texture, fence, picture)) {
        return false;
    }
    context_->swapBuffers(this);
    return true;
}

QImage PictureWindow::Grab(unsigned texture, void* fence, QSize picture) {
    if (!Draw(texture, fence, picture)) {
        return {};
    }
    const QSize pixels = size() * devicePixelRatio();
    QImage image(pixels, QImage::Format_RGBA8888);
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, context_->defaultFramebufferObject());
    gl.glReadBuffer(GL_BACK);
    gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    context_->swapBuffers(this);
    return image.mirrored();
}

void PictureWindow::exposeEvent(QExposeEvent*) {
    if (isExposed() && exposed_) {
        exposed_();
    }
}

bool PictureWindow::MakeCurrent() {
    if (!isExposed()) {
        return false;
    }
    if (!context_) {
        // Made when first needed. The device's texture reaches it through the application's
        // global share context, which the engine's context shares too.
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(requestedFormat());
        context->setShareContext(QOpenGLContext::globalShareContext());
        if (!context->create()) {
            return false;
        }
        context_ = std::move(context);
    }
    return context_->makeCurrent(this);
}

bool PictureWindow::Draw(unsigned texture, void* fence, QSize picture) {
    if (!MakeCurrent()) {
        return false;
    }
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    if (texture != 0) {
        PresentPicture(gl, texture, fence, picture, context_->defaultFramebufferObject(),
                       size() * devicePixelRatio());
    } else {
        PresentNothing(gl, context_->defaultFramebufferObject());
    }
    return true;
}

void PictureWindow::WarmUp() {
    if (!MakeCurrent()) {
        return;
    }
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    const unsigned char black[4] = {0, 0, 0, 255};
    GLuint texture = 0;
    gl.glGenTextures(1, &texture);
    gl.glBindTexture(GL_TEXTURE_2D, texture);
    gl.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    PresentPicture(gl, texture, nullptr, QSize(1, 1), context_->defaultFramebufferObject(),
                   size() * devicePixelRatio());
    gl.glDeleteTextures(1, &texture);
    gl.glFlush();
}

} // namespace qor
