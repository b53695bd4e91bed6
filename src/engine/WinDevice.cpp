// Window devices.
#include "engine/WinDevice.h"

#include "engine/Device.h"

namespace qor {

IDirect3DRMWinDevice::IDirect3DRMWinDevice(IDirect3DRMDevice* device) : device_(device) {}

IDirect3DRMWinDevice::~IDirect3DRMWinDevice() = default;

HRESULT IDirect3DRMWinDevice::HandlePaint(void*) {
    return device_->Update();
}

HRESULT IDirect3DRMWinDevice::HandleActivate(std::uint16_t) {
    return D3DRM_OK;
}

} // namespace qor
