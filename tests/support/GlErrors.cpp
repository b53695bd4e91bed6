#include "GlErrors.h"

#include "engine/GlContext.h"

#include <QOpenGLFunctions_3_3_Core>
#include <QStringList>

#include <stdexcept>
#include <string>

namespace qor::test {

namespace {

// OpenGL has a handful of error kinds; a context that is lost keeps reporting, so the reading
// stops after this many.
constexpr std::size_t kMostErrors = 16;

} // namespace

std::vector<std::uint32_t> TakeGlErrors() {
    std::vector<std::uint32_t> errors;
    GlContext* context = GlContext::Instance();
    if (context == nullptr) {
        return errors;
    }
    if (context->MakeCurrent()) {
        for (GLenum error = context->Gl().glGetError();
             error != GL_NO_ERROR && errors.size() < kMostErrors;
             error = context->Gl().glGetError()) {
            errors.push_back(error);
        }
    }
    return errors;
}

QString GlErrorNames(const std::vector<std::uint32_t>& errors) {
    QStringList names;
    for (const std::uint32_t error : errors) {
        switch (error) {
        case GL_INVALID_ENUM:
            names << QStringLiteral("GL_INVALID_ENUM");
            break;
        case GL_INVALID_VALUE:
            names << QStringLiteral("GL_INVALID_VALUE");
            break;
        case GL_INVALID_OPERATION:
            names << QStringLiteral("GL_INVALID_OPERATION");
            break;
        case GL_INVALID_FRAMEBUFFER_OPERATION:
            names << QStringLiteral("GL_INVALID_FRAMEBUFFER_OPERATION");
            break;
        case GL_OUT_OF_MEMORY:
            names << QStringLiteral("GL_OUT_OF_MEMORY");
            break;
        default:
            names << QStringLiteral("0x%1").arg(error, 4, 16, QLatin1Char('0'));
            break;
        }
    }
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

void RequireNoGlError(std::source_location where) {
    const std::vector<std::uint32_t> errors = TakeGlErrors();
    if (!errors.empty()) {
        throw std::runtime_error(std::string(where.file_name()) + ":" +
                                 std::to_string(where.line()) + ": the drawing left " +
                                 GlErrorNames(errors).toStdString());
    }
}

} // namespace qor::test
