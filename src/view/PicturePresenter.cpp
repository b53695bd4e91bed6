// Presenting a device's picture.
#include "view/PicturePresenter.h"

#include "view/DevicePixels.h"

#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>

namespace qor {
namespace {

// One triangle that covers the viewport, made from the vertex number alone.
constexpr char kCopyVertexShader[] = R"(#version 330 core
void main() {
    vec2 corner = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2);
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
})";

// Each window pixel takes the picture's texel at the same place shifted by offset, exactly.
constexpr char kCopyFragmentShader[] = R"(#version 330 core
uniform sampler2D picture;
uniform ivec2 offset;
out vec4 colour;
void main() {
    colour = texelFetch(picture, ivec2(gl_FragCoord.xy) + offset, 0);
})";

} // namespace

std::unique_ptr<QOpenGLShaderProgram> MakePictureCopier() {
    auto copier = std::make_unique<QOpenGLShaderProgram>();
    if (!copier->addShaderFromSourceCode(QOpenGLShader::Vertex, kCopyVertexShader) ||
        !copier->addShaderFromSourceCode(QOpenGLShader::Fragment, kCopyFragmentShader) ||
        !copier->link()) {
        return nullptr;
    }
    return copier;
}

void PresentNothing(QOpenGLExtraFunctions& gl, unsigned targetFramebuffer) {
    gl.glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    gl.glClearColor(0, 0, 0, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT);
}

void PresentPicture(QOpenGLExtraFunctions& gl, QOpenGLShaderProgram& copier, unsigned vertexArray,
                    unsigned texture, void* fence, QSize picture, unsigned targetFramebuffer,
                    QSize target) {
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
    const QRect& from = blit.source;
    const QRect& to = blit.target;
    // The viewport is the target rectangle, so the triangle's pixels are exactly those to copy.
    gl.glViewport(to.x(), to.y(), to.width(), to.height());
    copier.bind();
    copier.setUniformValue("picture", 0);
    gl.glUniform2i(copier.uniformLocation("offset"), from.x() - to.x(), from.y() - to.y());
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, texture);
    gl.glBindVertexArray(vertexArray);
    gl.glDrawArrays(GL_TRIANGLES, 0, 3);
    gl.glBindVertexArray(0);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    copier.release();
}

} // namespace qor
