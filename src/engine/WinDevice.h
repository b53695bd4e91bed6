// The window side of a device. The picture is rendered offscreen and shown by the view host,
// so painting presents the last rendered picture and activation needs nothing.
#pragma once

#include "engine/Object.h"
#include "engine/RefPtr.h"

#include <cstdint>

namespace qor {

class IDirect3DRMDevice;

class IDirect3DRMWinDevice final : public IDirect3DRMObject {
public:
    explicit IDirect3DRMWinDevice(IDirect3DRMDevice* device);

    // The paint context is the platform's; the device presents its picture.
    [[nodiscard]] HRESULT HandlePaint(void* paintContext);
    [[nodiscard]] HRESULT HandleActivate(std::uint16_t state);

private:
    ~IDirect3DRMWinDevice() override;

    RefPtr<IDirect3DRMDevice> device_;
};

} // namespace qor
