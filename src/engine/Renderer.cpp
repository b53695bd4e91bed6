// The OpenGL renderer.
#include "engine/Renderer.h"

#include "engine/Device.h"
#include "engine/ExecuteTypes.h"
#include "engine/Frame.h"
#include "engine/GlContext.h"
#include "engine/Light.h"
#include "engine/RenderStates.h"
#include "engine/Viewport.h"
#include "engine/Visual.h"

#include <chrono>

namespace qor {

namespace {

// Mono lights act by their intensity only.
std::array<float, 3> LightColor(const IDirect3DRMLight& light, bool mono) {
    const std::array<float, 3>& c = light.Color();
    if (!mono) {
        return c;
    }
    const float intensity = 0.299f * c[0] + 0.587f * c[1] + 0.114f * c[2];
    return {intensity, intensity, intensity};
}

GLenum DepthFunction(std::uint32_t compare) {
    switch (compare) {
    case D3DCMP_NEVER:
        return GL_NEVER;
    case D3DCMP_LESS:
        return GL_LESS;
    case D3DCMP_EQUAL:
        return GL_EQUAL;
    case D3DCMP_GREATER:
        return GL_GREATER;
    case D3DCMP_NOTEQUAL:
        return GL_NOTEQUAL;
    case D3DCMP_GREATEREQUAL:
        return GL_GEQUAL;
    case D3DCMP_ALWAYS:
        return GL_ALWAYS;
    default:
        return GL_LEQUAL;
    }
}

// Minification and magnification filters of the six texture qualities.
constexpr std::array<std::array<GLint, 2>, 6> kFilters = {{
    {GL_NEAREST, GL_NEAREST},
    {GL_LINEAR, GL_LINEAR},
    {GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST},
    {GL_LINEAR_MIPMAP_NEAREST, GL_LINEAR},
    {GL_NEAREST_MIPMAP_LINEAR, GL_NEAREST},
    {GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR},
}};

constexpr float kPointSize = 3.0f;

ShaderVariant VariantOf(const RenderSettings& settings, int lights) {
    return {static_cast<int>(settings.quality & D3DRMSHADE_MASK),
            (settings.quality & D3DRMLIGHT_MASK) == D3DRMLIGHT_ON,
            settings.colorModel == D3DCOLOR_MONO, settings.dither, lights};
}

} // namespace

namespace {

// True when the frame or any frame below it holds something to draw.
bool HoldsGeometry(const IDirect3DRMFrame& frame) {
    for (const RefPtr<IDirect3DRMVisual>& visual : frame.Visuals()) {
        if (visual->Geometry() != nullptr) {
            return true;
        }
    }
    for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
        if (HoldsGeometry(*child)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::unique_ptr<Renderer> Renderer::Create(GlContext& context, int width, int height) {
    std::unique_ptr<Renderer> renderer(new Renderer(context, width, height));
    if (!renderer->FitsDriver(width, height)) {
        return nullptr;
    }
    QOpenGLFunctions_3_3_Core& gl = renderer->gl_;
    std::array<GLuint, 6>& samplers = renderer->samplers_;
    gl.glGenSamplers(static_cast<GLsizei>(samplers.size()), samplers.data());
    for (std::size_t i = 0; i < samplers.size(); ++i) {
        gl.glSamplerParameteri(samplers[i], GL_TEXTURE_MIN_FILTER, kFilters[i][0]);
        gl.glSamplerParameteri(samplers[i], GL_TEXTURE_MAG_FILTER, kFilters[i][1]);
        gl.glSamplerParameteri(samplers[i], GL_TEXTURE_WRAP_S, GL_REPEAT);
        gl.glSamplerParameteri(samplers[i], GL_TEXTURE_WRAP_T, GL_REPEAT);
    }
    return renderer;
}

Renderer::Renderer(GlContext& context, int width, int height)
    : context_(context), gl_(context.Gl()), width_(width), height_(height), meshes_(gl_) {}

Renderer::~Renderer() {
    DeletePicture();
    gl_.glDeleteSamplers(static_cast<GLsizei>(samplers_.size()), samplers_.data());
}

void Renderer::DeletePicture() {
    gl_.glDeleteSync(fence_);
    fence_ = nullptr;
    gl_.glDeleteFramebuffers(1, &framebuffer_);
    gl_.glDeleteRenderbuffers(1, &depthBuffer_);
    gl_.glDeleteTextures(1, &colorTexture_);
    framebuffer_ = 0;
    depthBuffer_ = 0;
    colorTexture_ = 0;
}

bool Renderer::FitsDriver(int width, int height) {
    GLint maxSize = 0;
    gl_.glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    return width <= maxSize && height <= maxSize;
}

void Renderer::AllocatePicture() {
    gl_.glBindTexture(GL_TEXTURE_2D, colorTexture_);
    gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
    gl_.glBindTexture(GL_TEXTURE_2D, 0);
    gl_.glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    gl_.glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);
    gl_.glBindRenderbuffer(GL_RENDERBUFFER, 0);
}

bool Renderer::Resize(int width, int height) {
    if (width <= 0 || height <= 0 || !FitsDriver(width, height)) {
        return false;
    }
    width_ = width;
    height_ = height;
    if (!HasPicture()) {
        return true;
    }
    AllocatePicture();
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glClearColor(0, 0, 0, 1);
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return true;
}

bool Renderer::DrawsOnlyBlack(const std::vector<IDirect3DRMViewport*>& viewports) {
    for (const IDirect3DRMViewport* viewport : viewports) {
        const IDirect3DRMFrame* root = viewport->Camera();
        if (root == nullptr) {
            continue;
        }
        while (root->Parent() != nullptr) {
            root = root->Parent();
        }
        if (root->Background() != std::array<float, 3>{0, 0, 0} || HoldsGeometry(*root)) {
            return false;
        }
    }
    return true;
}

bool Renderer::EnsurePicture() {
    if (HasPicture()) {
        return true;
    }
    gl_.glGenTextures(1, &colorTexture_);
    gl_.glBindTexture(GL_TEXTURE_2D, colorTexture_);
    gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl_.glBindTexture(GL_TEXTURE_2D, 0);
    gl_.glGenRenderbuffers(1, &depthBuffer_);
    AllocatePicture();
    gl_.glGenFramebuffers(1, &framebuffer_);
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTexture_,
                               0);
    gl_.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  depthBuffer_);
    const bool complete = gl_.glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        gl_.glClearColor(0, 0, 0, 1);
        gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        DeletePicture();
    }
    return complete;
}

void Renderer::BeginFrame(FrameStats& stats) {
    stats = {};
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void Renderer::EndFrame() {
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    // The picture is shown from another context, a window's. A flush only sends the commands
    // on their way: OpenGL promises the other context nothing about when they have finished,
    // and a GPU may show a frame half drawn. The showing context waits for this fence instead,
    // on the GPU, before it reads the picture. The flush makes sure the fence itself is sent,
    // since a wait for a fence that never leaves this context would not end.
    gl_.glDeleteSync(fence_);
    fence_ = gl_.glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    gl_.glFlush();
}

void Renderer::RenderViewport(const IDirect3DRMViewport& viewport, const RenderSettings& settings,
                              const RenderStates& states, FrameStats& stats) {
    const auto started = std::chrono::steady_clock::now();
    const IDirect3DRMFrame* camera = viewport.Camera();
    items_.clear();
    lights_ = {};
    std::array<float, 3> background{0, 0, 0};
    if (camera != nullptr) {
        const IDirect3DRMFrame* root = camera;
        while (root->Parent() != nullptr) {
            root = root->Parent();
        }
        background = root->Background();
        Collect(*root, Inverse(camera->WorldTransform()), settings.colorModel == D3DCOLOR_MONO);
    }
    stats.engineMilliseconds +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();

    // Viewports are placed from the top left; OpenGL counts rows from the bottom.
    const GLint y = height_ - viewport.GetY() - viewport.GetHeight();
    gl_.glViewport(viewport.GetX(), y, viewport.GetWidth(), viewport.GetHeight());
    gl_.glScissor(viewport.GetX(), y, viewport.GetWidth(), viewport.GetHeight());
    gl_.glEnable(GL_SCISSOR_TEST);
    gl_.glDepthMask(GL_TRUE);
    gl_.glClearColor(background[0], background[1], background[2], 1);
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const ShaderVariant variant = VariantOf(settings, lights_.count);
    const ShaderProgram& program = context_.Program(variant);
    const ShaderVariant drawn = Normalized(variant);
    const bool faceLit = drawn.lighting && drawn.shadeMode == 0;
    if (camera != nullptr && viewport.GetFront() < viewport.GetBack() && program.id != 0) {
        gl_.glUseProgram(program.id);
        SetSceneUniforms(program.uniforms, viewport, settings);
        ApplyStates(settings, states);
        const std::uint32_t fill = settings.quality & D3DRMFILL_MASK;
        if (fill == D3DRMFILL_WIREFRAME &&
            (settings.wireframeOptions & D3DRMWIREFRAME_HIDDENLINE)) {
            // Faces fill the depth buffer first, so that lines behind them fail the depth test.
            std::uint32_t ignored = 0;
            gl_.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            gl_.glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            gl_.glEnable(GL_POLYGON_OFFSET_FILL);
            gl_.glPolygonOffset(1, 1);
            DrawItems(program.uniforms, faceLit, ignored);
            gl_.glDisable(GL_POLYGON_OFFSET_FILL);
            gl_.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            gl_.glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        }
        DrawItems(program.uniforms, faceLit, stats.triangles);
        gl_.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        gl_.glBindVertexArray(0);
        gl_.glUseProgram(0);
    }
    gl_.glDisable(GL_SCISSOR_TEST);
}

QImage Renderer::ReadPixels() {
    QImage image(width_, height_, QImage::Format_RGBA8888);
    if (!HasPicture()) {
        image.fill(Qt::black);
        return image;
    }
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl_.glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    gl_.glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return image.mirrored();
}

void Renderer::Collect(const IDirect3DRMFrame& frame, const RigidTransform& view, bool mono) {
    const RigidTransform toView = view * frame.WorldTransform();
    for (const RefPtr<IDirect3DRMLight>& light : frame.Lights()) {
        const std::array<float, 3> color = LightColor(*light, mono);
        if (light->GetType() == D3DRMLIGHT_AMBIENT) {
            for (int c = 0; c < 3; ++c) {
                lights_.ambient[c] += color[c];
            }
        } else if (lights_.count < kMaxDirectionalLights) {
            // The light travels along its frame's +z axis; shading wants the way back to it.
            const Vec3 toward = -1.0 * Normalized(toView.rotation.Column(2));
            const int at = 3 * lights_.count++;
            lights_.toward[at] = static_cast<float>(toward.x);
            lights_.toward[at + 1] = static_cast<float>(toward.y);
            lights_.toward[at + 2] = static_cast<float>(toward.z);
            lights_.color[at] = color[0];
            lights_.color[at + 1] = color[1];
            lights_.color[at + 2] = color[2];
        }
    }
    for (const RefPtr<IDirect3DRMVisual>& visual : frame.Visuals()) {
        const MeshData* mesh = visual->Geometry();
        if (mesh != nullptr) {
            items_.push_back({&meshes_.Get(visual->GeometryId(), *mesh), mesh, ToMat4f(toView),
                              ToMat3f(toView.rotation)});
        }
    }
    for (const RefPtr<IDirect3DRMFrame>& child : frame.Children()) {
        Collect(*child, view, mono);
    }
}

void Renderer::ApplyStates(const RenderSettings& settings, const RenderStates& states) {
    const std::uint32_t fill = settings.quality & D3DRMFILL_MASK;
    std::uint32_t cull = states.Effective(D3DRENDERSTATE_CULLMODE);
    if (!states.Overridden(D3DRENDERSTATE_CULLMODE) && fill == D3DRMFILL_WIREFRAME &&
        (settings.wireframeOptions & D3DRMWIREFRAME_CULL) == 0) {
        cull = D3DCULL_NONE;
    }
    // Front faces are clockwise on screen, as in the model files.
    gl_.glFrontFace(GL_CW);
    if (cull == D3DCULL_NONE) {
        gl_.glDisable(GL_CULL_FACE);
    } else {
        gl_.glEnable(GL_CULL_FACE);
        gl_.glCullFace(cull == D3DCULL_CCW ? GL_BACK : GL_FRONT);
    }
    if (states.Effective(D3DRENDERSTATE_ZENABLE) != 0) {
        gl_.glEnable(GL_DEPTH_TEST);
    } else {
        gl_.glDisable(GL_DEPTH_TEST);
    }
    gl_.glDepthMask(states.Effective(D3DRENDERSTATE_ZWRITEENABLE) != 0 ? GL_TRUE : GL_FALSE);
    gl_.glDepthFunc(DepthFunction(states.Effective(D3DRENDERSTATE_ZFUNC)));
    if (fill == D3DRMFILL_POINTS) {
        gl_.glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        gl_.glPointSize(kPointSize);
    } else {
        gl_.glPolygonMode(GL_FRONT_AND_BACK, fill == D3DRMFILL_WIREFRAME ? GL_LINE : GL_FILL);
    }
}

void Renderer::SetSceneUniforms(const ShaderUniforms& u, const IDirect3DRMViewport& viewport,
                                const RenderSettings& settings) {
    const Mat4f projection = ProjectionMatrix(viewport.GetProjection(), viewport.ShownViewPlane(),
                                              viewport.GetFront(), viewport.GetBack());
    gl_.glUniformMatrix4fv(u.projection, 1, GL_FALSE, projection.m.data());
    gl_.glUniform1i(u.orthographic, viewport.GetProjection() == D3DRMPROJECT_ORTHOGRAPHIC);
    gl_.glUniform1f(u.shades, static_cast<float>(settings.shades));
    gl_.glUniform3fv(u.ambient, 1, lights_.ambient.data());
    if (lights_.count > 0) {
        gl_.glUniform3fv(u.lightToward, lights_.count, lights_.toward.data());
        gl_.glUniform3fv(u.lightColor, lights_.count, lights_.color.data());
    }
    gl_.glUniform1i(u.texture, 0);
    gl_.glActiveTexture(GL_TEXTURE0);
    gl_.glBindSampler(0, samplers_[static_cast<std::size_t>(settings.textureQuality)]);
}

void Renderer::DrawItems(const ShaderUniforms& u, bool faceLit, std::uint32_t& triangles) {
    for (const DrawItem& item : items_) {
        gl_.glUniformMatrix4fv(u.modelView, 1, GL_FALSE, item.modelView.m.data());
        gl_.glUniformMatrix3fv(u.normalMatrix, 1, GL_FALSE, item.normalMatrix.data());
        gl_.glBindVertexArray(item.gpu->vertexArray);
        for (const GpuRange& range : item.gpu->ranges) {
            const MeshMaterial& material = item.mesh->materials[range.material];
            gl_.glUniform4fv(u.diffuse, 1, material.diffuse.data());
            gl_.glUniform3fv(u.specular, 1, material.specular.data());
            gl_.glUniform3fv(u.emissive, 1, material.emissive.data());
            gl_.glUniform1f(u.power, material.power);
            gl_.glUniform1i(u.hasTexture, range.texture != 0);
            gl_.glBindTexture(GL_TEXTURE_2D, range.texture);
            gl_.glDrawElements(
                GL_TRIANGLES, range.count, GL_UNSIGNED_INT,
                reinterpret_cast<const void*>(faceLit ? range.flatOffset : range.offset));
        }
        triangles += item.gpu->triangles;
    }
}

} // namespace qor
