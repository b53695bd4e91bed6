// The display side: the DirectDraw object of the default display, clippers that bind a device
// to a window, and the Direct3D interface that lists the drivers.
#pragma once

#include "engine/DeviceDesc.h"
#include "engine/Guid.h"
#include "engine/Object.h"
#include "engine/RefPtr.h"

#include <cstdint>

namespace qor {

// The platform's window identifier, opaque to the engine.
using WindowHandle = std::uintptr_t;

class IDirectDrawClipper final : public IDirect3DRMObject {
public:
    IDirectDrawClipper() = default;

    // Flags must be 0.
    [[nodiscard]] HRESULT SetHWnd(std::uint32_t flags, WindowHandle window);
    [[nodiscard]] HRESULT GetHWnd(WindowHandle* window) const;

private:
    ~IDirectDrawClipper() override = default;

    WindowHandle window_ = 0;
};

enum : HRESULT {
    D3DENUMRET_CANCEL = 0,
    D3DENUMRET_OK = 1,
};

// Called once per driver: its GUID (valid for the whole process), description, name, hardware
// and software descriptions, and the caller's context. D3DENUMRET_OK goes on.
using LPD3DENUMDEVICESCALLBACK = HRESULT (*)(const GUID* guid, const char* description,
                                             const char* name, const D3DDEVICEDESC* hardware,
                                             const D3DDEVICEDESC* software, void* context);

class IDirect3D final : public IDirect3DRMObject {
public:
    IDirect3D() = default;

    [[nodiscard]] HRESULT EnumDevices(LPD3DENUMDEVICESCALLBACK callback, void* context);

private:
    ~IDirect3D() override = default;
};

class IDirectDraw final : public IDirect3DRMObject {
public:
    IDirectDraw() = default;

    // Flags must be 0.
    [[nodiscard]] HRESULT CreateClipper(std::uint32_t flags, RefPtr<IDirectDrawClipper>& clipper);
    // IID_IDirect3D gives the Direct3D interface; other identifiers E_NOINTERFACE.
    [[nodiscard]] HRESULT QueryInterface(const GUID& iid, RefPtr<IDirect3D>& direct3D);

private:
    ~IDirectDraw() override = default;
};

// The DirectDraw object of the default display (a null GUID); other GUIDs name no display here.
[[nodiscard]] HRESULT DirectDrawCreate(const GUID* driver, RefPtr<IDirectDraw>& directDraw);

} // namespace qor
