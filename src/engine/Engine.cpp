// The engine object.
#include "engine/Engine.h"

#include "engine/Device.h"
#include "engine/DirectDraw.h"
#include "engine/Drivers.h"
#include "engine/Frame.h"
#include "engine/Light.h"
#include "engine/Material.h"
#include "engine/Mesh.h"
#include "engine/MeshBuilder.h"
#include "engine/Viewport.h"

#include <cmath>

namespace qor {

HRESULT IDirect3DRM::CreateFrame(IDirect3DRMFrame* parent, RefPtr<IDirect3DRMFrame>& frame) {
    frame = MakeRef<IDirect3DRMFrame>();
    return parent != nullptr ? parent->AddChild(frame.get()) : D3DRM_OK;
}

HRESULT IDirect3DRM::CreateLightRGB(D3DRMLIGHTTYPE type, D3DVALUE red, D3DVALUE green,
                                    D3DVALUE blue, RefPtr<IDirect3DRMLight>& light) {
    light.reset();
    if (!IDirect3DRMLight::IsSupportedType(type)) {
        return D3DRMERR_BADVALUE;
    }
    light = MakeRef<IDirect3DRMLight>(type, std::array<float, 3>{red, green, blue});
    return D3DRM_OK;
}

HRESULT IDirect3DRM::CreateMeshBuilder(RefPtr<IDirect3DRMMeshBuilder>& meshBuilder) {
    meshBuilder = MakeRef<IDirect3DRMMeshBuilder>();
    return D3DRM_OK;
}

HRESULT IDirect3DRM::CreateMesh(RefPtr<IDirect3DRMMesh>& mesh) {
    mesh = MakeRef<IDirect3DRMMesh>();
    return D3DRM_OK;
}

HRESULT IDirect3DRM::CreateMaterial(D3DVALUE power, RefPtr<IDirect3DRMMaterial>& material) {
    material.reset();
    if (!std::isfinite(power) || power < 0) {
        return D3DRMERR_BADVALUE;
    }
    material = MakeRef<IDirect3DRMMaterial>(power);
    return D3DRM_OK;
}

HRESULT IDirect3DRM::CreateDeviceFromClipper(IDirectDrawClipper* clipper, const GUID* driver,
                                             int width, int height,
                                             RefPtr<IDirect3DRMDevice>& device) {
    device.reset();
    if (clipper == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    const DriverInfo* found = FindDriver(driver);
    if (found == nullptr) {
        return D3DRMERR_BADDEVICE;
    }
    return IDirect3DRMDevice::Create(*found, width, height, device);
}

HRESULT IDirect3DRM::CreateViewport(IDirect3DRMDevice* device, IDirect3DRMFrame* camera, int x,
                                    int y, int width, int height,
                                    RefPtr<IDirect3DRMViewport>& viewport) {
    viewport.reset();
    if (device == nullptr || camera == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    if (!IDirect3DRMViewport::FitsDevice(x, y, width, height, static_cast<int>(device->GetWidth()),
                                         static_cast<int>(device->GetHeight()))) {
        return D3DRMERR_BADVALUE;
    }
    viewport = MakeRef<IDirect3DRMViewport>(device, camera, x, y, width, height);
    return D3DRM_OK;
}

HRESULT IDirect3DRM::GetDevices(RefPtr<IDirect3DRMDeviceArray>& devices) {
    std::vector<RefPtr<IDirect3DRMDevice>> list;
    for (IDirect3DRMDevice* device : IDirect3DRMDevice::AllDevices()) {
        list.emplace_back(device);
    }
    devices = MakeRef<IDirect3DRMDeviceArray>(std::move(list));
    return D3DRM_OK;
}

HRESULT IDirect3DRM::Tick(D3DVALUE delta) {
    if (!std::isfinite(delta)) {
        return D3DRMERR_BADVALUE;
    }
    if (delta != 0) {
        IDirect3DRMFrame::MoveAll(delta);
    }
    for (IDirect3DRMDevice* device : IDirect3DRMDevice::AllDevices()) {
        device->Render();
    }
    // Presenting only hands each finished picture on; it has no failure of its own.
    for (IDirect3DRMDevice* device : IDirect3DRMDevice::AllDevices()) {
        (void)device->Update();
    }
    return D3DRM_OK;
}

HRESULT Direct3DRMCreate(RefPtr<IDirect3DRM>& engine) {
    engine = MakeRef<IDirect3DRM>();
    return D3DRM_OK;
}

} // namespace qor
