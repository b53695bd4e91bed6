// The native window that shows a device's picture.
#include "view/PictureWindow.h"

#include "view/PicturePresenter.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
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

bool PictureWindow::Draw(unsigned texture, void* fence, QSize picture) {
    if (!isExposed()) {
        return false;
    }
    if (!context_) {
        // Made when first needed. The device's texture reaches it through the application's
        // global share context, which the engine's context shares too.
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(requestedFormat());
        context->setShareContext(QOpenGLContext::globalShareContext());
        if (!context->create() || !context->makeCurrent(this)) {
            return false;
        }
        std::unique_ptr<QOpenGLShaderProgram> copier = MakePictureCopier();
        if (!copier) {
            return false;
        }
        context->extraFunctions()->glGenVertexArrays(1, &vertexArray_);
        context_ = std::move(context);
        copier_ = std::move(copier);
    }
    if (!context_->makeCurrent(this)) {
        return false;
    }
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    if (texture != 0) {
        PresentPicture(gl, *copier_, vertexArray_, texture, fence, picture,
                       context_->defaultFramebufferObject(), size() * devicePixelRatio());
    } else {
        PresentNothing(gl, context_->defaultFramebufferObject());
    }
    return true;
}

} // namespace qor
