// An execute buffer: memory that the caller fills with instructions between Lock and Unlock,
// and the execute data saying which part holds them.
#pragma once

#include "engine/ExecuteTypes.h"
#include "engine/Object.h"

#include <cstdint>
#include <vector>

namespace qor {

class IDirect3DExecuteBuffer final : public IDirect3DRMObject {
public:
    // Largest buffer a device makes.
    static constexpr std::uint32_t kMaxSize = 64 * 1024;

    explicit IDirect3DExecuteBuffer(std::uint32_t size);

    // Fills in the buffer's size and memory (D3DDEB_BUFSIZE | D3DDEB_LPDATA); a locked buffer
    // cannot be locked again (DDERR_SURFACEBUSY).
    [[nodiscard]] HRESULT Lock(D3DEXECUTEBUFFERDESC* desc);
    [[nodiscard]] HRESULT Unlock();
    // The instruction range must lie inside the buffer and dwSize must be the record's size.
    [[nodiscard]] HRESULT SetExecuteData(const D3DEXECUTEDATA* data);
    [[nodiscard]] HRESULT GetExecuteData(D3DEXECUTEDATA* data) const;

    bool Locked() const { return locked_; }
    const std::uint8_t* Instructions() const {
        return memory_.data() + executeData_.dwInstructionOffset;
    }
    std::uint32_t InstructionLength() const { return executeData_.dwInstructionLength; }

private:
    ~IDirect3DExecuteBuffer() override = default;

    std::vector<std::uint8_t> memory_;
    D3DEXECUTEDATA executeData_{};
    bool locked_ = false;
};

} // namespace qor
