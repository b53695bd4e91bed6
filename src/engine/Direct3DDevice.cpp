// Immediate-mode devices.
#include "engine/Direct3DDevice.h"

#include "engine/Device.h"
#include "engine/ExecuteBuffer.h"
#include "engine/RenderStates.h"
#include "engine/Viewport.h"

#include <algorithm>

namespace qor {

IDirect3DViewport::IDirect3DViewport(IDirect3DRMViewport* viewport) : viewport_(viewport) {}

IDirect3DViewport::~IDirect3DViewport() = default;

IDirect3DDevice::IDirect3DDevice(IDirect3DRMDevice* device) : device_(device) {}

IDirect3DDevice::~IDirect3DDevice() = default;

HRESULT IDirect3DDevice::NextViewport(IDirect3DViewport* current, RefPtr<IDirect3DViewport>& next,
                                      std::uint32_t flags) {
    next.reset();
    const std::vector<IDirect3DRMViewport*>& viewports = device_->Viewports();
    IDirect3DRMViewport* found = nullptr;
    switch (flags) {
    case D3DNEXT_HEAD:
        found = viewports.empty() ? nullptr : viewports.front();
        break;
    case D3DNEXT_TAIL:
        found = viewports.empty() ? nullptr : viewports.back();
        break;
    case D3DNEXT_NEXT: {
        if (current == nullptr) {
            return DDERR_INVALIDPARAMS;
        }
        const auto at = std::find(viewports.begin(), viewports.end(), current->Retained());
        if (at == viewports.end()) {
            return DDERR_INVALIDPARAMS;
        }
        found = std::next(at) == viewports.end() ? nullptr : *std::next(at);
        break;
    }
    default:
        return DDERR_INVALIDPARAMS;
    }
    if (found == nullptr) {
        return D3DRMERR_NOTFOUND;
    }
    next = MakeRef<IDirect3DViewport>(found);
    return D3D_OK;
}

HRESULT IDirect3DDevice::CreateExecuteBuffer(const D3DEXECUTEBUFFERDESC* desc,
                                             RefPtr<IDirect3DExecuteBuffer>& buffer) {
    buffer.reset();
    if (desc == nullptr || desc->dwSize != sizeof *desc || (desc->dwFlags & D3DDEB_BUFSIZE) == 0 ||
        desc->dwBufferSize == 0 || desc->dwBufferSize > IDirect3DExecuteBuffer::kMaxSize) {
        return DDERR_INVALIDPARAMS;
    }
    buffer = MakeRef<IDirect3DExecuteBuffer>(desc->dwBufferSize);
    return D3D_OK;
}

HRESULT IDirect3DDevice::BeginScene() {
    if (inScene_) {
        return DDERR_GENERIC;
    }
    inScene_ = true;
    return D3D_OK;
}

HRESULT IDirect3DDevice::Execute(IDirect3DExecuteBuffer* buffer, IDirect3DViewport* viewport,
                                 std::uint32_t flags) {
    if (buffer == nullptr || viewport == nullptr ||
        (flags != D3DEXECUTE_CLIPPED && flags != D3DEXECUTE_UNCLIPPED)) {
        return DDERR_INVALIDPARAMS;
    }
    const std::vector<IDirect3DRMViewport*>& viewports = device_->Viewports();
    if (std::find(viewports.begin(), viewports.end(), viewport->Retained()) == viewports.end()) {
        return DDERR_INVALIDPARAMS;
    }
    if (!inScene_) {
        return DDERR_GENERIC;
    }
    if (buffer->Locked()) {
        return DDERR_SURFACEBUSY;
    }
    std::vector<StateChange> changes;
    const HRESULT read =
        ReadInstructions(buffer->Instructions(), buffer->InstructionLength(), changes);
    if (Failed(read)) {
        return read;
    }
    return device_->States().Apply(changes);
}

HRESULT IDirect3DDevice::EndScene() {
    if (!inScene_) {
        return DDERR_GENERIC;
    }
    inScene_ = false;
    return D3D_OK;
}

} // namespace qor
