// Draws viewports into a device's framebuffer. A frame is drawn in two steps: the scene is
// walked into a draw list (world transforms, lights, the GPU copy of each visual), then the
// list is handed to OpenGL with one draw call per mesh and material. The draw list keeps its
// storage from frame to frame, so the steady path allocates nothing.
// The framebuffer is made by the first frame that draws anything but black: until then the
// picture is black without any storage, and a window shows it by clearing itself.
#pragma once

#include "engine/GpuMeshCache.h"
#include "engine/Math3d.h"
#include "engine/Shaders.h"
#include "engine/Types.h"

#include <QImage>
#include <QOpenGLFunctions_3_3_Core>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace qor {

class GlContext;
class IDirect3DRMFrame;
class IDirect3DRMViewport;
class RenderStates;
struct FrameStats;

struct RenderSettings {
    D3DRMRENDERQUALITY quality = D3DRMRENDER_GOURAUD;
    bool dither = true;
    std::uint32_t shades = 32;
    D3DRMTEXTUREQUALITY textureQuality = D3DRMTEXTURE_NEAREST;
    std::uint32_t wireframeOptions = 0;
    D3DCOLORMODEL colorModel = D3DCOLOR_RGB;
};

class Renderer {
public:
    // Null for a size the driver cannot render. The engine's context must be current for this
    // and every other call, the destructor included.
    static std::unique_ptr<Renderer> Create(GlContext& context, int width, int height);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // Gives the picture and its depth buffer a new size, cleared to black; false (and the old
    // size kept) for a size the driver cannot render.
    bool Resize(int width, int height);

    // True when every viewport would show only black: no camera, or a black background and
    // nothing to draw.
    static bool DrawsOnlyBlack(const std::vector<IDirect3DRMViewport*>& viewports);
    bool HasPicture() const { return framebuffer_ != 0; }
    // Makes the framebuffer, cleared to black, unless it exists; false when it cannot be made.
    bool EnsurePicture();

    void BeginFrame(FrameStats& stats);
    void RenderViewport(const IDirect3DRMViewport& viewport, const RenderSettings& settings,
                        const RenderStates& states, FrameStats& stats);
    void EndFrame();

    // 0 while there is no framebuffer.
    GLuint ColorTexture() const { return colorTexture_; }
    // Signalled once the last frame's drawing has finished; null before the first frame.
    GLsync PictureFence() const { return fence_; }
    QImage ReadPixels();
    bool HasGeometry(std::uint64_t id) const { return meshes_.Has(id); }
    const GpuMeshCache& Meshes() const { return meshes_; }
    void ForgetGeometry(std::uint64_t id) { meshes_.Forget(id); }

private:
    struct DrawItem {
        const GpuMesh* gpu;
        const MeshData* mesh;
        Mat4f modelView;
        std::array<float, 9> normalMatrix;
    };
    struct LightSet {
        std::array<float, 3> ambient{};
        int count = 0;
        std::array<float, 3 * kMaxDirectionalLights> toward{};
        std::array<float, 3 * kMaxDirectionalLights> color{};
    };

    Renderer(GlContext& context, int width, int height);
    void DeletePicture();
    bool FitsDriver(int width, int height);
    // Storage of width_ x height_ for the picture and the depth buffer.
    void AllocatePicture();
    void Collect(const IDirect3DRMFrame& frame, const RigidTransform& view, bool mono);
    void ApplyStates(const RenderSettings& settings, const RenderStates& states);
    void SetSceneUniforms(const ShaderUniforms& u, const IDirect3DRMViewport& viewport,
                          const RenderSettings& settings);
    // faceLit: the triangles with a vertex of their own for flat lighting (FlatFaces.h).
    void DrawItems(const ShaderUniforms& u, bool faceLit, std::uint32_t& triangles);

    GlContext& context_;
    QOpenGLFunctions_3_3_Core& gl_;
    int width_;
    int height_;
    GLuint framebuffer_ = 0;
    GLuint colorTexture_ = 0;
    GLuint depthBuffer_ = 0;
    GLsync fence_ = nullptr;
    std::array<GLuint, 6> samplers_{}; // one per texture quality
    GpuMeshCache meshes_;
    std::vector<DrawItem> items_;
    LightSet lights_;
};

} // namespace qor
