// A retained-mode device: the picture that its viewports render into (an OpenGL framebuffer of
// the device's size in the engine's context), the render settings, and the device's own GPU
// copies of meshes and textures. Every device of the process is listed, so that any engine
// object's Tick renders them all and its GetDevices finds them.
#pragma once

#include "engine/Object.h"
#include "engine/ObjectArray.h"
#include "engine/RefPtr.h"
#include "engine/RenderStates.h"
#include "engine/Types.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qor {

struct DriverInfo;
struct GUID;
class GlContext;
class IDirect3DDevice;
class IDirect3DRMWinDevice;
class Renderer;
struct RenderSettings;

// What the device spent on its last frame.
struct FrameStats {
    double engineMilliseconds = 0; // walking the scenes and preparing draws, without OpenGL
    std::uint32_t triangles = 0;
};

class IDirect3DRMDevice final : public IDirect3DRMObject {
public:
    // A device for a driver at a size; D3DRMERR_BADDEVICE when no OpenGL context can be had,
    // D3DRMERR_BADVALUE for a size the driver cannot render.
    [[nodiscard]] static HRESULT Create(const DriverInfo& driver, int width, int height,
                                        RefPtr<IDirect3DRMDevice>& device);

    // Presents the last rendered picture.
    [[nodiscard]] HRESULT Update();
    // Makes the picture at least width x height (a side that is larger already stays); the
    // picture is black until the next frame. The viewports, settings and GPU copies stay.
    // D3DRMERR_BADVALUE, and the old size, for a size the driver cannot render.
    [[nodiscard]] HRESULT Grow(int width, int height);

    // Shade mode, lighting and fill (see Types.h); a word with unknown bits is refused.
    [[nodiscard]] HRESULT SetQuality(D3DRMRENDERQUALITY quality);
    D3DRMRENDERQUALITY GetQuality() const { return quality_; }
    [[nodiscard]] HRESULT SetDither(bool dither);
    bool GetDither() const { return dither_; }
    // Levels of intensity in the mono colour model, 2 to 65536.
    [[nodiscard]] HRESULT SetShades(std::uint32_t shades);
    std::uint32_t GetShades() const { return shades_; }
    [[nodiscard]] HRESULT SetTextureQuality(D3DRMTEXTUREQUALITY quality);
    D3DRMTEXTUREQUALITY GetTextureQuality() const { return textureQuality_; }
    [[nodiscard]] HRESULT SetWireframeOptions(std::uint32_t options);
    std::uint32_t GetWireframeOptions() const { return wireframeOptions_; }
    D3DCOLORMODEL GetColorModel() const { return colorModel_; }
    std::uint32_t GetBufferCount() const { return 1; }
    // Triangles drawn since the device was made.
    std::uint32_t GetTrianglesDrawn() const { return trianglesDrawn_; }
    std::uint32_t GetWidth() const { return static_cast<std::uint32_t>(width_); }
    std::uint32_t GetHeight() const { return static_cast<std::uint32_t>(height_); }
    [[nodiscard]] HRESULT GetViewports(RefPtr<IDirect3DRMViewportArray>& viewports);
    [[nodiscard]] HRESULT GetDirect3DDevice(RefPtr<IDirect3DDevice>& device);
    // IID_IDirect3DRMWinDevice gives the window-device view of this device.
    [[nodiscard]] HRESULT QueryInterface(const GUID& iid, RefPtr<IDirect3DRMWinDevice>& winDevice);

    // The picture: an RGBA8 texture of GetWidth x GetHeight in the engine's context (which a
    // window's context shares), bottom row first as OpenGL has it; 0 while
    // nothing but black has been drawn, when the picture is all black.
    unsigned ColorTexture() const;
    // The OpenGL fence (a GLsync) that is signalled when the last picture is complete; another
    // context waits for it (glWaitSync) before it reads ColorTexture. Null before the first
    // frame; it stays valid until the next frame or the device's end.
    void* PictureFence() const;
    // The picture read back, top row first.
    QImage GrabImage();
    // Called by Update to show the picture (a window copies ColorTexture).
    void SetPresenter(std::function<void()> presenter) { presenter_ = std::move(presenter); }
    const FrameStats& LastFrameStats() const { return stats_; }
    // GPU copies of meshes the device holds, and how many it has uploaded since it was made.
    std::size_t GpuMeshCount() const;
    std::size_t GpuUploadCount() const;
    RenderStates& States() { return states_; }
    const std::vector<IDirect3DRMViewport*>& Viewports() const { return viewports_; }

    // Renders every viewport of the device.
    void Render();

    static const std::vector<IDirect3DRMDevice*>& AllDevices();
    // Drops the GPU copies of a geometry on every device.
    static void ForgetGeometry(std::uint64_t geometryId);

private:
    IDirect3DRMDevice(GlContext& context, D3DCOLORMODEL colorModel, int width, int height);
    ~IDirect3DRMDevice() override;

    friend class IDirect3DRMViewport;
    void AddViewport(IDirect3DRMViewport* viewport);
    void RemoveViewport(IDirect3DRMViewport* viewport);
    RenderSettings Settings() const;

    GlContext& context_; // the engine's context, which outlives every device
    D3DCOLORMODEL colorModel_;
    int width_;
    int height_;
    D3DRMRENDERQUALITY quality_ = D3DRMRENDER_GOURAUD;
    bool dither_ = true;
    std::uint32_t shades_ = 32;
    D3DRMTEXTUREQUALITY textureQuality_ = D3DRMTEXTURE_NEAREST;
    std::uint32_t wireframeOptions_ = D3DRMWIREFRAME_CULL;
    std::uint32_t trianglesDrawn_ = 0;
    RenderStates states_;
    FrameStats stats_;
    std::function<void()> presenter_;
    std::vector<IDirect3DRMViewport*> viewports_; // not counted: each viewport holds the device
    std::unique_ptr<Renderer> renderer_;
};

} // namespace qor
