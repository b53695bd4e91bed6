// DirectDraw objects, clippers and driver enumeration.
#include "engine/DirectDraw.h"

#include "engine/Drivers.h"

namespace qor {

HRESULT IDirectDrawClipper::SetHWnd(std::uint32_t flags, WindowHandle window) {
    if (flags != 0) {
        return DDERR_INVALIDPARAMS;
    }
    window_ = window;
    return DD_OK;
}

HRESULT IDirectDrawClipper::GetHWnd(WindowHandle* window) const {
    if (window == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *window = window_;
    return DD_OK;
}

HRESULT IDirect3D::EnumDevices(LPD3DENUMDEVICESCALLBACK callback, void* context) {
    if (callback == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    for (const DriverInfo& driver : Drivers()) {
        if (callback(&driver.guid, driver.description, driver.name, &driver.hardware,
                     &driver.software, context) != D3DENUMRET_OK) {
            break;
        }
    }
    return D3D_OK;
}

HRESULT IDirectDraw::CreateClipper(std::uint32_t flags, RefPtr<IDirectDrawClipper>& clipper) {
    clipper.reset();
    if (flags != 0) {
        return DDERR_INVALIDPARAMS;
    }
    clipper = MakeRef<IDirectDrawClipper>();
    return DD_OK;
}

HRESULT IDirectDraw::QueryInterface(const GUID& iid, RefPtr<IDirect3D>& direct3D) {
    direct3D.reset();
    if (iid != IID_IDirect3D) {
        return E_NOINTERFACE;
    }
    direct3D = MakeRef<IDirect3D>();
    return DD_OK;
}

HRESULT DirectDrawCreate(const GUID* driver, RefPtr<IDirectDraw>& directDraw) {
    directDraw.reset();
    if (driver != nullptr) {
        return DDERR_INVALIDDIRECTDRAWGUID;
    }
    directDraw = MakeRef<IDirectDraw>();
    return DD_OK;
}

} // namespace qor
