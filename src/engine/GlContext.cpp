// The engine's offscreen OpenGL context.
#include "engine/GlContext.h"

#include "engine/ContextThread.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions_3_3_Core>
#include <QOpenGLVersionFunctionsFactory>
#include <QSurfaceFormat>

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <string>
#include <vector>

namespace qor {

namespace {

std::unique_ptr<GlContext> instance;
// The engine's context while it is being made on another thread.
std::unique_ptr<ContextThread> prepared;

QSurfaceFormat EngineFormat() {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    return format;
}

// A context that no device came to take goes with the application object.
void EndPrepared() {
    prepared.reset();
}

// The context and its objects go while the application object still stands: its window-system
// connection is needed to end them.
void DestroyInstance() {
    instance.reset();
}

// Mesa's GLX library and its driver.
int CollectMesa(dl_phdr_info* info, std::size_t, void* names) {
    const char* name = info->dlpi_name;
    if (name != nullptr &&
        (std::strstr(name, "libGLX_mesa") != nullptr || std::strstr(name, "_dri.so") != nullptr)) {
        static_cast<std::vector<std::string>*>(names)->push_back(name);
    }
    return 0;
}

} // namespace

void KeepOpenGlDriversLoaded() {
    std::vector<std::string> names;
    dl_iterate_phdr(CollectMesa, &names);
    for (const std::string& name : names) {
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

void GlContext::Prepare() {
    if (instance || prepared || QGuiApplication::instance() == nullptr) {
        return;
    }
    prepared = std::make_unique<ContextThread>(EngineFormat());
    qAddPostRoutine(EndPrepared);
}

GlContext* GlContext::Instance() {
    if (!instance) {
        std::unique_ptr<GlContext> made(new GlContext);
        if (!made->Create()) {
            return nullptr;
        }
        instance = std::move(made);
        qAddPostRoutine(DestroyInstance);
    }
    return instance.get();
}

GlContext::~GlContext() {
    if (context_) {
        if (functions_ != nullptr && MakeCurrent()) {
            for (const ShaderProgram& program : programs_) {
                functions_->glDeleteProgram(program.id);
            }
        }
        context_->doneCurrent();
    }
}

const ShaderProgram& GlContext::Program(const ShaderVariant& variant) {
    const auto index = static_cast<std::size_t>(VariantIndex(variant));
    if (!programTried_[index]) {
        programTried_[index] = true;
        programs_[index] = BuildShaderProgram(*functions_, variant);
    }
    return programs_[index];
}

bool GlContext::Create() {
    if (QGuiApplication::instance() == nullptr) {
        return false;
    }
    if (prepared) {
        context_ = prepared->Take();
        prepared.reset();
    }
    const QSurfaceFormat format = EngineFormat();
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(format);
    surface_->create();
    if (!context_) {
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(format);
        if (!context_->create()) {
            return false;
        }
    }
    if (!surface_->isValid() || !MakeCurrent()) {
        return false;
    }
    const QSurfaceFormat actual = context_->format();
    if (actual.version() < qMakePair(3, 3)) {
        return false;
    }
    KeepOpenGlDriversLoaded();
    functions_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_3_3_Core>(context_.get());
    return functions_ != nullptr && functions_->initializeOpenGLFunctions();
}

bool GlContext::MakeCurrent() {
    return context_->makeCurrent(surface_.get());
}

} // namespace qor
