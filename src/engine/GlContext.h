// The engine's one OpenGL 3.3 core context, on an offscreen surface. A window's context that shows
// a device's picture shares with it. It is made by
// the first device and kept, with the shader programs compiled in it, until the application
// object ends: each new construction makes a new device, which finds both ready.
#pragma once

#include "engine/Shaders.h"

#include <array>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFunctions_3_3_Core;

namespace qor {

// Mesa unloads its GLX library and driver when the display connection closes at exit. What they
// never freed is then reported by leak checkers without a module name, indistinguishable from a
// leak of ours; kept loaded, their allocations carry their names and can be told apart. Called
// by the engine when it makes its context, and by programs that may load Mesa otherwise.
void KeepOpenGlDriversLoaded();

class GlContext {
public:
    // The context, made on the first call; null when no OpenGL 3.3 core context can be had
    // (no QGuiApplication, no display, too old a driver).
    static GlContext* Instance();
    // Starts making the context on another thread, so that a window can be built meanwhile;
    // Instance waits for it. Does nothing once the context is made or being made.
    static void Prepare();

    // Makes the context current on its surface; false when that fails.
    bool MakeCurrent();
    QOpenGLFunctions_3_3_Core& Gl() { return *functions_; }
    // For a context that is to share the devices' pictures.
    QOpenGLContext* Context() { return context_.get(); }
    // The program for a way of drawing, compiled the first time any device of the context
    // needs it; its id is 0 when it cannot be made. The context must be current.
    const ShaderProgram& Program(const ShaderVariant& variant);

    ~GlContext();

private:
    GlContext() = default;
    bool Create();

    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    QOpenGLFunctions_3_3_Core* functions_ = nullptr; // owned by the context
    std::array<ShaderProgram, kShaderVariantCount> programs_{};
    std::array<bool, kShaderVariantCount> programTried_{};
};

} // namespace qor
