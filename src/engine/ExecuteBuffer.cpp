// Execute buffers.
#include "engine/ExecuteBuffer.h"

namespace qor {

IDirect3DExecuteBuffer::IDirect3DExecuteBuffer(std::uint32_t size) : memory_(size) {
    executeData_.dwSize = sizeof executeData_;
}

HRESULT IDirect3DExecuteBuffer::Lock(D3DEXECUTEBUFFERDESC* desc) {
    if (desc == nullptr || desc->dwSize != sizeof *desc) {
        return DDERR_INVALIDPARAMS;
    }
    if (locked_) {
        return DDERR_SURFACEBUSY;
    }
    locked_ = true;
    desc->dwFlags = D3DDEB_BUFSIZE | D3DDEB_LPDATA;
    desc->dwBufferSize = static_cast<std::uint32_t>(memory_.size());
    desc->lpData = memory_.data();
    return D3D_OK;
}

HRESULT IDirect3DExecuteBuffer::Unlock() {
    if (!locked_) {
        return DDERR_NOTLOCKED;
    }
    locked_ = false;
    return D3D_OK;
}

HRESULT IDirect3DExecuteBuffer::SetExecuteData(const D3DEXECUTEDATA* data) {
    if (data == nullptr || data->dwSize != sizeof *data ||
        data->dwInstructionOffset > memory_.size() ||
        data->dwInstructionLength > memory_.size() - data->dwInstructionOffset) {
        return DDERR_INVALIDPARAMS;
    }
    executeData_ = *data;
    return D3D_OK;
}

HRESULT IDirect3DExecuteBuffer::GetExecuteData(D3DEXECUTEDATA* data) const {
    if (data == nullptr) {
        return DDERR_INVALIDPARAMS;
    }
    *data = executeData_;
    return D3D_OK;
}

} // namespace qor
