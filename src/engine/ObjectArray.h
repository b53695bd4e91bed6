// An array of engine objects handed out by the getters of frames, engines and devices. It holds
// one reference to each element.
#pragma once

#include "engine/Object.h"
#include "engine/RefPtr.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace qor {

template <class T> class ObjectArray final : public IDirect3DRMObject {
public:
    explicit ObjectArray(std::vector<RefPtr<T>> elements) : elements_(std::move(elements)) {}

    std::uint32_t GetSize() const { return static_cast<std::uint32_t>(elements_.size()); }

    // A new reference to element index, or D3DRMERR_BADVALUE past the end.
    [[nodiscard]] HRESULT GetElement(std::uint32_t index, RefPtr<T>& element) const {
        element.reset();
        if (index >= elements_.size()) {
            return D3DRMERR_BADVALUE;
        }
        element = elements_[index];
        return D3DRM_OK;
    }

private:
    ~ObjectArray() override = default;

    std::vector<RefPtr<T>> elements_;
};

class IDirect3DRMFrame;
class IDirect3DRMLight;
class IDirect3DRMVisual;
class IDirect3DRMDevice;
class IDirect3DRMViewport;

using IDirect3DRMFrameArray = ObjectArray<IDirect3DRMFrame>;
using IDirect3DRMLightArray = ObjectArray<IDirect3DRMLight>;
using IDirect3DRMVisualArray = ObjectArray<IDirect3DRMVisual>;
using IDirect3DRMDeviceArray = ObjectArray<IDirect3DRMDevice>;
using IDirect3DRMViewportArray = ObjectArray<IDirect3DRMViewport>;

} // namespace qor
