#include "BareLoop.h"

#include <QOpenGLContext>
#include <QOpenGLVersionFunctionsFactory>

#include <cstddef>

namespace qor::bench {

namespace {

// Lighting per vertex, as a plain loop does it: the vertex normals of the mesh, the camera's
// direction as the eye's (the scene is seen orthographically), texture and colour per pixel.
const char* const kVertex = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
uniform mat4 uModelView;
uniform mat4 uProjection;
uniform vec3 uSpecular;
uniform float uPower;
uniform vec3 uAmbient;
uniform vec3 uToward;
uniform vec3 uLightColor;
out vec2 vUv;
out vec3 vLight;
out vec3 vHighlight;
void main() {
    vec4 position = uModelView * vec4(aPosition, 1.0);
    vec3 normal = normalize(mat3(uModelView) * aNormal);
    float facing = dot(normal, uToward);
    vLight = uAmbient;
    vHighlight = vec3(0.0);
    if (facing > 0.0) {
        vLight += uLightColor * facing;
        if (uPower > 0.0) {
            vec3 halfway = normalize(uToward + vec3(0.0, 0.0, -1.0));
            vHighlight = uSpecular * uLightColor * pow(max(dot(normal, halfway), 0.0), uPower);
        }
    }
    vUv = aUv;
    gl_Position = uProjection * position;
}
)";

const char* const kFragment = R"(#version 330 core
in vec2 vUv;
in vec3 vLight;
in vec3 vHighlight;
uniform vec4 uDiffuse;
uniform vec3 uEmissive;
uniform bool uHasTexture;
uniform sampler2D uTexture;
out vec4 fragColor;
void main() {
    vec4 base = uHasTexture ? uDiffuse * texture(uTexture, vUv) : uDiffuse;
    fragColor = vec4(clamp(uEmissive + base.rgb * vLight + vHighlight, 0.0, 1.0), base.a);
}
)";

GLuint Compile(QOpenGLFunctions_3_3_Core& gl, GLenum stage, const char* source) {
    const GLuint shader = gl.glCreateShader(stage);
    gl.glShaderSource(shader, 1, &source, nullptr);
    gl.glCompileShader(shader);
    GLint ok = 0;
    gl.glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == 0) {
        char log[1024] = {};
        gl.glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        qWarning("Bare loop shader: %s", log);
        gl.glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

std::unique_ptr<BareLoop> BareLoop::Create(int width, int height) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (context == nullptr) {
        return nullptr;
    }
    auto* gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_3_3_Core>(context);
    if (gl == nullptr || !gl->initializeOpenGLFunctions()) {
        return nullptr;
    }
    std::unique_ptr<BareLoop> loop(new BareLoop(*gl, width, height));
    return loop->Initialize() ? std::move(loop) : nullptr;
}

BareLoop::BareLoop(QOpenGLFunctions_3_3_Core& gl, int width, int height)
    : gl_(gl), width_(width), height_(height) {}

BareLoop::~BareLoop() {
    for (Mesh& mesh : meshes_) {
        for (const Range& range : mesh.ranges) {
            gl_.glDeleteTextures(1, &range.texture);
        }
        gl_.glDeleteBuffers(2, mesh.buffers);
        gl_.glDeleteVertexArrays(1, &mesh.vertexArray);
    }
    gl_.glDeleteProgram(program_);
    gl_.glDeleteFramebuffers(1, &framebuffer_);
    gl_.glDeleteRenderbuffers(1, &depth_);
    gl_.glDeleteTextures(1, &color_);
}

bool BareLoop::Initialize() {
    gl_.glGenTextures(1, &color_);
    gl_.glBindTexture(GL_TEXTURE_2D, color_);
    gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
    gl_.glBindTexture(GL_TEXTURE_2D, 0);
    gl_.glGenRenderbuffers(1, &depth_);
    gl_.glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    gl_.glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);
    gl_.glGenFramebuffers(1, &framebuffer_);
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
    gl_.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    const bool complete = gl_.glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);

    const GLuint vertex = Compile(gl_, GL_VERTEX_SHADER, kVertex);
    const GLuint fragment = Compile(gl_, GL_FRAGMENT_SHADER, kFragment);
    if (!complete || vertex == 0 || fragment == 0) {
        return false;
    }
    program_ = gl_.glCreateProgram();
    gl_.glAttachShader(program_, vertex);
    gl_.glAttachShader(program_, fragment);
    gl_.glLinkProgram(program_);
    gl_.glDeleteShader(vertex);
    gl_.glDeleteShader(fragment);
    GLint linked = 0;
    gl_.glGetProgramiv(program_, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        return false;
    }
    const auto at = [this](const char* name) { return gl_.glGetUniformLocation(program_, name); };
    modelView_ = at("uModelView");
    projection_ = at("uProjection");
    diffuse_ = at("uDiffuse");
    specular_ = at("uSpecular");
    emissive_ = at("uEmissive");
    power_ = at("uPower");
    hasTexture_ = at("uHasTexture");
    ambient_ = at("uAmbient");
    toward_ = at("uToward");
    lightColor_ = at("uLightColor");
    gl_.glUseProgram(program_);
    gl_.glUniform1i(at("uTexture"), 0);
    gl_.glUseProgram(0);
    return true;
}

int BareLoop::AddMesh(const MeshData& data) {
    Mesh mesh;
    gl_.glGenVertexArrays(1, &mesh.vertexArray);
    gl_.glBindVertexArray(mesh.vertexArray);
    gl_.glGenBuffers(2, mesh.buffers);
    gl_.glBindBuffer(GL_ARRAY_BUFFER, mesh.buffers[0]);
    gl_.glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(data.vertices.size() * sizeof(MeshVertex)),
                     data.vertices.data(), GL_STATIC_DRAW);
    gl_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.buffers[1]);
    gl_.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(data.indices.size() * sizeof(std::uint32_t)),
                     data.indices.data(), GL_STATIC_DRAW);
    gl_.glEnableVertexAttribArray(0);
    gl_.glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                              reinterpret_cast<const void*>(offsetof(MeshVertex, position)));
    gl_.glEnableVertexAttribArray(1);
    gl_.glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                              reinterpret_cast<const void*>(offsetof(MeshVertex, normal)));
    gl_.glEnableVertexAttribArray(2);
    gl_.glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                              reinterpret_cast<const void*>(offsetof(MeshVertex, uv)));
    gl_.glBindVertexArray(0);
    for (const MeshRange& source : data.ranges) {
        Range range{static_cast<GLsizei>(source.count), source.first * sizeof(std::uint32_t), 0,
                    data.materials[source.material]};
        const QImage& image = range.material.texture;
        if (!image.isNull()) {
            const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
            gl_.glGenTextures(1, &range.texture);
            gl_.glBindTexture(GL_TEXTURE_2D, range.texture);
            gl_.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
            gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba.width(), rgba.height(), 0, GL_RGBA,
                             GL_UNSIGNED_BYTE, rgba.constBits());
            gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            gl_.glBindTexture(GL_TEXTURE_2D, 0);
        }
        mesh.ranges.push_back(range);
    }
    meshes_.push_back(mesh);
    return static_cast<int>(meshes_.size()) - 1;
}

void BareLoop::SetScene(const Mat4f& projection, const BareLights& lights) {
    gl_.glUseProgram(program_);
    gl_.glUniformMatrix4fv(projection_, 1, GL_FALSE, projection.m.data());
    gl_.glUniform3fv(ambient_, 1, lights.ambient.data());
    gl_.glUniform3fv(toward_, 1, lights.toward.data());
    gl_.glUniform3fv(lightColor_, 1, lights.color.data());
    gl_.glUseProgram(0);
}

void BareLoop::Draw(const BareItem* items, std::size_t count) {
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glViewport(0, 0, width_, height_);
    gl_.glEnable(GL_DEPTH_TEST);
    gl_.glDepthFunc(GL_LEQUAL);
    gl_.glDepthMask(GL_TRUE);
    gl_.glFrontFace(GL_CW);
    gl_.glEnable(GL_CULL_FACE);
    gl_.glCullFace(GL_BACK);
    gl_.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    gl_.glClearColor(0, 0, 0, 1);
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl_.glUseProgram(program_);
    gl_.glActiveTexture(GL_TEXTURE0);
    gl_.glBindSampler(0, 0);
    for (std::size_t i = 0; i < count; ++i) {
        const Mesh& mesh = meshes_[static_cast<std::size_t>(items[i].mesh)];
        gl_.glUniformMatrix4fv(modelView_, 1, GL_FALSE, items[i].modelView.m.data());
        gl_.glBindVertexArray(mesh.vertexArray);
        for (const Range& range : mesh.ranges) {
            gl_.glUniform4fv(diffuse_, 1, range.material.diffuse.data());
            gl_.glUniform3fv(specular_, 1, range.material.specular.data());
            gl_.glUniform3fv(emissive_, 1, range.material.emissive.data());
            gl_.glUniform1f(power_, range.material.power);
            gl_.glUniform1i(hasTexture_, range.texture != 0);
            gl_.glBindTexture(GL_TEXTURE_2D, range.texture);
            gl_.glDrawElements(GL_TRIANGLES, range.count, GL_UNSIGNED_INT,
                               reinterpret_cast<const void*>(range.offset));
        }
    }
    gl_.glBindVertexArray(0);
    gl_.glUseProgram(0);
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

QImage BareLoop::ReadPixels() {
    QImage image(width_, height_, QImage::Format_RGBA8888);
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl_.glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return image.mirrored();
}

} // namespace qor::bench
