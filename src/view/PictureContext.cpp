// The picture windows' shared OpenGL context.
#include "view/PictureContext.h"

#include "engine/GlContext.h"
#include "view/PicturePresenter.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QSurfaceFormat>

namespace qor {
namespace {

std::unique_ptr<PictureContext> instance;

// The context goes while the application object still stands: its window-system connection is
// needed to end it.
void DestroyInstance() {
    instance.reset();
}

} // namespace

PictureContext* PictureContext::Instance(const QSurfaceFormat& format) {
    if (!instance) {
        // A window draws only a device's picture, so the engine's context is there to share
        // its textures with.
        GlContext* engine = GlContext::Instance();
        if (engine == nullptr) {
            return nullptr;
        }
        std::unique_ptr<PictureContext> made(new PictureContext);
        made->context_ = std::make_unique<QOpenGLContext>();
        made->context_->setFormat(format);
        made->context_->setShareContext(engine->Context());
        if (!made->context_->create()) {
            return nullptr;
        }
        instance = std::move(made);
        qAddPostRoutine(DestroyInstance);
    }
    return instance.get();
}

PictureContext::~PictureContext() {
    context_->doneCurrent();
}

bool PictureContext::MakeCurrent(QSurface* window) {
    return context_->makeCurrent(window);
}

void PictureContext::Release(QSurface* window) {
    if (QOpenGLContext::currentContext() == context_.get() && context_->surface() == window) {
        context_->doneCurrent();
    }
}

bool PictureContext::Draw(unsigned texture, void* fence, QSize picture, QSize target) {
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    const unsigned framebuffer = context_->defaultFramebufferObject();
    if (texture == 0) {
        PresentNothing(gl, framebuffer);
        return true;
    }
    if (!copier_) {
        copier_ = MakePictureCopier();
        if (!copier_) {
            return false;
        }
        gl.glGenVertexArrays(1, &vertexArray_);
    }
    PresentPicture(gl, *copier_, vertexArray_, texture, fence, picture, framebuffer, target);
    return true;
}

QImage PictureContext::ReadBack(QSize target) {
    QImage image(target, QImage::Format_RGBA8888);
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, context_->defaultFramebufferObject());
    gl.glReadBuffer(GL_BACK);
    gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.glReadPixels(0, 0, target.width(), target.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();
}

void PictureContext::SwapBuffers(QSurface* window) {
    context_->swapBuffers(window);
}

} // namespace qor
