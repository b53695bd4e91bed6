// Presenting a device's picture.
#include "view/PicturePresenter.h"

#include "view/DevicePixels.h"

#include <QOpenGLExtraFunctions>

namespace qor {

void PresentNothing(QOpenGLExtraFunctions& gl, unsigned targetFramebuffer) {
    gl.glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    gl.glClearColor(0, 0, 0, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT);
}

void PresentPicture(QOpenGLExtraFunctions& gl, unsigned texture, void* fence, QSize picture,
                    unsigned targetFramebuffer, QSize target) {
    PresentNothing(gl, targetFramebuffer);
    // The picture was drawn in the engine's context; only its fence tells this context that
    // the drawing has finished. The wait holds this context's later commands on the GPU, not
    // the program.
    if (fence != nullptr) {
        gl.glWaitSync(static_cast<GLsync>(fence), 0, GL_TIMEOUT_IGNORED);
    }
    const PictureBlit blit = TopLeftBlit(picture, target);
    if (blit.source.isEmpty()) {
        return;
    }
    // Framebuffers are not shared between contexts, textures are: the source framebuffer is
    // made in this context for this one copy.
    GLuint source = 0;
    gl.glGenFramebuffers(1, &source);
    gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    gl.glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, targetFramebuffer);
    const QRect& from = blit.source;
    const QRect& to = blit.target;
    gl.glBlitFramebuffer(from.x(), from.y(), from.x() + from.width(), from.y() + from.height(),
                         to.x(), to.y(), to.x() + to.width(), to.y() + to.height(),
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    gl.glDeleteFramebuffers(1, &source);
}

} // namespace qor
