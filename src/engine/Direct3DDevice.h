// The immediate-mode side of a retained-mode device: its viewports, execute buffers and
// scenes. Executing a buffer sets the render states it holds on the device.
#pragma once

#include "engine/ExecuteTypes.h"
#include "engine/Object.h"
#include "engine/RefPtr.h"

#include <cstdint>

namespace qor {

class IDirect3DExecuteBuffer;
class IDirect3DRMDevice;
class IDirect3DRMViewport;

// The immediate-mode view of a retained-mode viewport.
class IDirect3DViewport final : public IDirect3DRMObject {
public:
    explicit IDirect3DViewport(IDirect3DRMViewport* viewport);
    IDirect3DRMViewport* Retained() const { return viewport_.get(); }

private:
    ~IDirect3DViewport() override;

    RefPtr<IDirect3DRMViewport> viewport_;
};

class IDirect3DDevice final : public IDirect3DRMObject {
public:
    explicit IDirect3DDevice(IDirect3DRMDevice* device);

    // D3DNEXT_HEAD: the first viewport; D3DNEXT_TAIL: the last; D3DNEXT_NEXT: the one after
    // current. D3DRMERR_NOTFOUND when there is none.
    [[nodiscard]] HRESULT NextViewport(IDirect3DViewport* current, RefPtr<IDirect3DViewport>& next,
                                       std::uint32_t flags);
    // The description must carry D3DDEB_BUFSIZE and a size from 1 to the largest buffer.
    [[nodiscard]] HRESULT CreateExecuteBuffer(const D3DEXECUTEBUFFERDESC* desc,
                                              RefPtr<IDirect3DExecuteBuffer>& buffer);
    [[nodiscard]] HRESULT BeginScene();
    // Runs the buffer's instructions, inside a scene, on one of this device's viewports. A
    // buffer with an instruction or state the device does not know fails and changes nothing.
    [[nodiscard]] HRESULT Execute(IDirect3DExecuteBuffer* buffer, IDirect3DViewport* viewport,
                                  std::uint32_t flags);
    [[nodiscard]] HRESULT EndScene();

private:
    ~IDirect3DDevice() override;

    RefPtr<IDirect3DRMDevice> device_;
    bool inScene_ = false;
};

} // namespace qor
