// Viewports.
#include "engine/Viewport.h"

#include "engine/Device.h"
#include "engine/Frame.h"

#include <cmath>

namespace qor {

namespace {
bool IsPositive(float value) {
    return std::isfinite(value) && value > 0;
}
} // namespace

IDirect3DRMViewport::IDirect3DRMViewport(IDirect3DRMDevice* device, IDirect3DRMFrame* camera, int x,
                                         int y, int width, int height)
    : device_(device), camera_(camera), x_(x), y_(y), width_(width), height_(height),
      plane_(PlaneForField(field_, width, height)) {
    device_->AddViewport(this);
}

IDirect3DRMViewport::~IDirect3DRMViewport() {
    device_->RemoveViewport(this);
}

HRESULT IDirect3DRMViewport::SetProjection(D3DRMPROJECTIONTYPE projection) {
    if (projection != D3DRMPROJECT_PERSPECTIVE && projection != D3DRMPROJECT_ORTHOGRAPHIC) {
        return D3DRMERR_BADVALUE;
    }
    projection_ = projection;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetFront(D3DVALUE front) {
    if (!IsPositive(front)) {
        return D3DRMERR_BADVALUE;
    }
    front_ = front;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetBack(D3DVALUE back) {
    if (!IsPositive(back)) {
        return D3DRMERR_BADVALUE;
    }
    back_ = back;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetField(D3DVALUE field) {
    if (!IsPositive(field)) {
        return D3DRMERR_BADVALUE;
    }
    field_ = field;
    plane_ = PlaneForField(field, width_, height_);
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetUniformScaling(bool uniform) {
    uniform_ = uniform;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetPlane(D3DVALUE left, D3DVALUE right, D3DVALUE bottom,
                                      D3DVALUE top) {
    if (!std::isfinite(left) || !std::isfinite(right) || !std::isfinite(bottom) ||
        !std::isfinite(top) || !(right > left) || !(top > bottom)) {
        return D3DRMERR_BADVALUE;
    }
    plane_ = {left, right, bottom, top};
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::GetPlane(D3DVALUE* left, D3DVALUE* right, D3DVALUE* bottom,
                                      D3DVALUE* top) const {
    if (left == nullptr || right == nullptr || bottom == nullptr || top == nullptr) {
        return D3DRMERR_BADVALUE;
    }
    *left = plane_.left;
    *right = plane_.right;
    *bottom = plane_.bottom;
    *top = plane_.top;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::SetCamera(IDirect3DRMFrame* camera) {
    if (camera == nullptr) {
        return D3DRMERR_BADOBJECT;
    }
    camera_ = RefPtr<IDirect3DRMFrame>(camera);
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::GetCamera(RefPtr<IDirect3DRMFrame>& camera) const {
    camera = camera_;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::GetDevice(RefPtr<IDirect3DRMDevice>& device) const {
    device = device_;
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::Configure(int x, int y, int width, int height) {
    if (!FitsDevice(x, y, width, height, static_cast<int>(device_->GetWidth()),
                    static_cast<int>(device_->GetHeight()))) {
        return D3DRMERR_BADVALUE;
    }
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
    if (uniform_) {
        plane_ = PlaneForField(field_, width, height);
    }
    return D3DRM_OK;
}

HRESULT IDirect3DRMViewport::ForceUpdate(int x1, int y1, int x2, int y2) {
    const int width = static_cast<int>(device_->GetWidth());
    const int height = static_cast<int>(device_->GetHeight());
    if (x1 < 0 || y1 < 0 || x2 < x1 || y2 < y1 || x2 > width || y2 > height) {
        return D3DRMERR_BADVALUE;
    }
    return D3DRM_OK;
}

ViewPlane IDirect3DRMViewport::ShownViewPlane() const {
    return ShownPlane(plane_, width_, height_, uniform_);
}

bool IDirect3DRMViewport::FitsDevice(int x, int y, int width, int height, int deviceWidth,
                                     int deviceHeight) {
    return x >= 0 && y >= 0 && width > 0 && height > 0 && x <= deviceWidth - width &&
           y <= deviceHeight - height;
}

} // namespace qor
