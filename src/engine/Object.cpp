// Reference counting, names, identities and the live-object count.
#include "engine/Object.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace qor {

namespace {
std::int64_t liveObjects = 0;
std::uint64_t lastSerial = 0;
} // namespace

IDirect3DRMObject::IDirect3DRMObject() : serial_(++lastSerial) {
    ++liveObjects;
}

IDirect3DRMObject::~IDirect3DRMObject() {
    --liveObjects;
}

std::uint32_t IDirect3DRMObject::AddRef() {
    return ++references_;
}

std::uint32_t IDirect3DRMObject::Release() {
    assert(references_ > 0);
    const std::uint32_t left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT IDirect3DRMObject::SetName(const char* name) {
    name_ = name != nullptr ? name : "";
    return D3DRM_OK;
}

HRESULT IDirect3DRMObject::GetName(std::uint32_t* size, char* buffer) const {
    if (size == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    const std::uint32_t needed = static_cast<std::uint32_t>(name_.size()) + 1;
    const std::uint32_t capacity = *size;
    *size = needed;
    if (buffer == nullptr) {
        return D3DRM_OK;
    }
    if (capacity == 0) {
        return D3DRMERR_BADVALUE;
    }
    const std::size_t copied = std::min<std::size_t>(name_.size(), capacity - 1);
    std::memcpy(buffer, name_.data(), copied);
    buffer[copied] = '\0';
    return capacity >= needed ? D3DRM_OK : D3DRMERR_BADVALUE;
}

std::int64_t IDirect3DRMObject::LiveObjectCount() {
    return liveObjects;
}

} // namespace qor
