// A context made on another thread arrives usable by the thread that asked for it.
#include "engine/ContextThread.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QThread>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ContextThread, HandsOverACurrentableContextOnce) {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    ContextThread thread(format);
    std::unique_ptr<QOpenGLContext> context = thread.Take();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->thread(), QThread::currentThread());
    EXPECT_GE(context->format().version(), qMakePair(3, 3));

    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    ASSERT_TRUE(context->makeCurrent(&surface));
    QOpenGLFunctions& gl = *context->functions();
    GLint major = 0;
    gl.glGetIntegerv(GL_MAJOR_VERSION, &major);
    EXPECT_GE(major, 3);
    EXPECT_EQ(gl.glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    context->doneCurrent();

    EXPECT_EQ(thread.Take(), nullptr) << "the context is handed over only once";
}

} // namespace
} // namespace qor
