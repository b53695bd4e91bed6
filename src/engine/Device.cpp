// Retained-mode devices.
#include "engine/Device.h"

#include "engine/Direct3DDevice.h"
#include "engine/Drivers.h"
#include "engine/GlContext.h"
#include "engine/Renderer.h"
#include "engine/Viewport.h"
#include "engine/WinDevice.h"

#include <algorithm>

namespace qor {

namespace {
std::vector<IDirect3DRMDevice*>& Registry() {
    static std::vector<IDirect3DRMDevice*> devices;
    return devices;
}
} // namespace

HRESULT IDirect3DRMDevice::Create(const DriverInfo& driver, int width, int height,
                                  RefPtr<IDirect3DRMDevice>& device) {
    device.reset();
    if (width <= 0 || height <= 0) {
        return D3DRMERR_BADVALUE;
    }
    GlContext* context = GlContext::Instance();
    if (context == nullptr) {
        return D3DRMERR_BADDEVICE;
    }
    RefPtr<IDirect3DRMDevice> made = RefPtr<IDirect3DRMDevice>::Adopt(
        new IDirect3DRMDevice(*context, driver.colorModel, width, height));
    if (!context->MakeCurrent()) {
        return D3DRMERR_BADDEVICE;
    }
    made->renderer_ = Renderer::Create(*context, width, height);
    if (!made->renderer_) {
        return D3DRMERR_BADVALUE;
    }
    device = std::move(made);
    return D3DRM_OK;
}

IDirect3DRMDevice::IDirect3DRMDevice(GlContext& context, D3DCOLORMODEL colorModel, int width,
                                     int height)
    : context_(context), colorModel_(colorModel), width_(width), height_(height) {
    Registry().push_back(this);
}

IDirect3DRMDevice::~IDirect3DRMDevice() {
    std::vector<IDirect3DRMDevice*>& devices = Registry();
    devices.erase(std::find(devices.begin(), devices.end(), this));
    if (renderer_) {
        context_.MakeCurrent();
        renderer_.reset();
    }
}

HRESULT IDirect3DRMDevice::Update() {
    if (presenter_) {
        presenter_();
    }
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::Grow(int width, int height) {
    const int grownWidth = std::max(width, width_);
    const int grownHeight = std::max(height, height_);
    if (grownWidth == width_ && grownHeight == height_) {
        return D3DRM_OK;
    }
    if (!context_.MakeCurrent() || !renderer_->Resize(grownWidth, grownHeight)) {
        return D3DRMERR_BADVALUE;
    }
    width_ = grownWidth;
    height_ = grownHeight;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::SetQuality(D3DRMRENDERQUALITY quality) {
    const D3DRMRENDERQUALITY shade = quality & D3DRMSHADE_MASK;
    const D3DRMRENDERQUALITY light = quality & D3DRMLIGHT_MASK;
    const D3DRMRENDERQUALITY fill = quality & D3DRMFILL_MASK;
    const bool known =
        (quality & ~(D3DRMSHADE_MASK | D3DRMLIGHT_MASK | D3DRMFILL_MASK)) == 0 &&
        shade <= D3DRMSHADE_PHONG && (light == D3DRMLIGHT_OFF || light == D3DRMLIGHT_ON) &&
        (fill == D3DRMFILL_POINTS || fill == D3DRMFILL_WIREFRAME || fill == D3DRMFILL_SOLID);
    if (!known) {
        return D3DRMERR_BADVALUE;
    }
    quality_ = quality;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::SetDither(bool dither) {
    dither_ = dither;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::SetShades(std::uint32_t shades) {
    if (shades < 2 || shades > 65536) {
        return D3DRMERR_BADVALUE;
    }
    shades_ = shades;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::SetTextureQuality(D3DRMTEXTUREQUALITY quality) {
    if (quality < D3DRMTEXTURE_NEAREST || quality > D3DRMTEXTURE_LINEARMIPLINEAR) {
        return D3DRMERR_BADVALUE;
    }
    textureQuality_ = quality;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::SetWireframeOptions(std::uint32_t options) {
    if ((options & ~(D3DRMWIREFRAME_CULL | D3DRMWIREFRAME_HIDDENLINE)) != 0) {
        return D3DRMERR_BADVALUE;
    }
    wireframeOptions_ = options;
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::GetViewports(RefPtr<IDirect3DRMViewportArray>& viewports) {
    std::vector<RefPtr<IDirect3DRMViewport>> list;
    for (IDirect3DRMViewport* viewport : viewports_) {
        list.emplace_back(viewport);
    }
    viewports = MakeRef<IDirect3DRMViewportArray>(std::move(list));
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::GetDirect3DDevice(RefPtr<IDirect3DDevice>& device) {
    device = MakeRef<IDirect3DDevice>(this);
    return D3DRM_OK;
}

HRESULT IDirect3DRMDevice::QueryInterface(const GUID& iid,
                                          RefPtr<IDirect3DRMWinDevice>& winDevice) {
    winDevice.reset();
    if (iid != IID_IDirect3DRMWinDevice) {
        return E_NOINTERFACE;
    }
    winDevice = MakeRef<IDirect3DRMWinDevice>(this);
    return D3DRM_OK;
}

unsigned IDirect3DRMDevice::ColorTexture() const {
    return renderer_->ColorTexture();
}

void* IDirect3DRMDevice::PictureFence() const {
    return renderer_->PictureFence();
}

std::size_t IDirect3DRMDevice::GpuMeshCount() const {
    return renderer_->Meshes().Size();
}

std::size_t IDirect3DRMDevice::GpuUploadCount() const {
    return renderer_->Meshes().Uploads();
}

QImage IDirect3DRMDevice::GrabImage() {
    return context_.MakeCurrent() ? renderer_->ReadPixels() : QImage();
}

void IDirect3DRMDevice::Render() {
    // Until something other than black is drawn, the picture needs no storage.
    if (!renderer_->HasPicture() && Renderer::DrawsOnlyBlack(viewports_)) {
        stats_ = {};
        return;
    }
    if (context_.MakeCurrent() && renderer_->EnsurePicture()) {
        const RenderSettings settings = Settings();
        renderer_->BeginFrame(stats_);
        for (const IDirect3DRMViewport* viewport : viewports_) {
            renderer_->RenderViewport(*viewport, settings, states_, stats_);
        }
        renderer_->EndFrame();
        trianglesDrawn_ += stats_.triangles;
    }
}

RenderSettings IDirect3DRMDevice::Settings() const {
    return {quality_, dither_, shades_, textureQuality_, wireframeOptions_, colorModel_};
}

const std::vector<IDirect3DRMDevice*>& IDirect3DRMDevice::AllDevices() {
    return Registry();
}

void IDirect3DRMDevice::ForgetGeometry(std::uint64_t geometryId) {
    for (IDirect3DRMDevice* device : Registry()) {
        if (device->renderer_ && device->renderer_->HasGeometry(geometryId) &&
            device->context_.MakeCurrent()) {
            device->renderer_->ForgetGeometry(geometryId);
        }
    }
}

void IDirect3DRMDevice::AddViewport(IDirect3DRMViewport* viewport) {
    viewports_.push_back(viewport);
}

void IDirect3DRMDevice::RemoveViewport(IDirect3DRMViewport* viewport) {
    viewports_.erase(std::find(viewports_.begin(), viewports_.end(), viewport));
}

} // namespace qor
