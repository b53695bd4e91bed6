// Every way of drawing has a shader program that compiles and links on this OpenGL.
#include "GlScene.h"

#include "engine/Shaders.h"

#include <QOpenGLContext>
#include <QOpenGLVersionFunctionsFactory>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ShaderVariantGLTest, EveryVariantCompilesAndLinks) {
    test::GlScene s;
    ASSERT_TRUE(s.Ok());
    s.Render(); // leaves the engine's context current
    QOpenGLContext* context = QOpenGLContext::currentContext();
    ASSERT_NE(context, nullptr);
    auto* gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_3_3_Core>(context);
    ASSERT_NE(gl, nullptr);
    for (int lighting = 0; lighting < 2; ++lighting) {
        for (int shade = 0; shade < 3; ++shade) {
            for (int colour = 0; colour < 3; ++colour) {
                for (int lights = 0; lights <= kMaxDirectionalLights; ++lights) {
                    const ShaderVariant v{shade, lighting == 1, colour > 0, colour == 2, lights};
                    const ShaderProgram program = BuildShaderProgram(*gl, v);
                    EXPECT_NE(program.id, 0u) << "shade " << shade << ", lighting " << lighting
                                              << ", colour " << colour << ", lights " << lights;
                    gl->glDeleteProgram(program.id);
                }
            }
        }
    }
}

} // namespace
} // namespace qor
