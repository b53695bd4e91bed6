// A viewport: a rectangle of a device's picture that shows the scene holding its camera, seen
// from the camera. New viewports are perspective, front 1, back 100, field 0.5, uniform scaling.
#pragma once

#include "engine/Object.h"
#include "engine/RefPtr.h"
#include "engine/Types.h"
#include "engine/ViewProjection.h"

#include <cstdint>

namespace qor {

class IDirect3DRMDevice;
class IDirect3DRMFrame;

class IDirect3DRMViewport final : public IDirect3DRMObject {
public:
    // Use IDirect3DRM::CreateViewport, which checks the arguments.
    IDirect3DRMViewport(IDirect3DRMDevice* device, IDirect3DRMFrame* camera, int x, int y,
                        int width, int height);

    // 0 perspective or 1 orthographic; anything else is refused.
    [[nodiscard]] HRESULT SetProjection(D3DRMPROJECTIONTYPE projection);
    D3DRMPROJECTIONTYPE GetProjection() const { return projection_; }
    // Clipping distances; a value of 0 or less is refused and the old one kept.
    [[nodiscard]] HRESULT SetFront(D3DVALUE front);
    D3DVALUE GetFront() const { return front_; }
    [[nodiscard]] HRESULT SetBack(D3DVALUE back);
    D3DVALUE GetBack() const { return back_; }
    // Refuses a field of 0 or less and keeps the old one; otherwise sets the view plane so that
    // the viewport's shorter side spans -field..field.
    [[nodiscard]] HRESULT SetField(D3DVALUE field);
    D3DVALUE GetField() const { return field_; }
    [[nodiscard]] HRESULT SetUniformScaling(bool uniform);
    bool GetUniformScaling() const { return uniform_; }
    [[nodiscard]] HRESULT SetPlane(D3DVALUE left, D3DVALUE right, D3DVALUE bottom, D3DVALUE top);
    [[nodiscard]] HRESULT GetPlane(D3DVALUE* left, D3DVALUE* right, D3DVALUE* bottom,
                                   D3DVALUE* top) const;
    [[nodiscard]] HRESULT SetCamera(IDirect3DRMFrame* camera);
    [[nodiscard]] HRESULT GetCamera(RefPtr<IDirect3DRMFrame>& camera) const;
    [[nodiscard]] HRESULT GetDevice(RefPtr<IDirect3DRMDevice>& device) const;

    // Moves and resizes the viewport within its device. With uniform scaling the plane is made
    // again from the field, so a resized viewport shows more or less of the scene, unstretched.
    [[nodiscard]] HRESULT Configure(int x, int y, int width, int height);
    // The whole picture is presented on every update, so a forced region only needs to lie on
    // the device.
    [[nodiscard]] HRESULT ForceUpdate(int x1, int y1, int x2, int y2);
    int GetX() const { return x_; }
    int GetY() const { return y_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

    // For the renderer.
    IDirect3DRMFrame* Camera() const { return camera_.get(); }
    // The plane as it is shown, after uniform scaling.
    ViewPlane ShownViewPlane() const;

    // True when the rectangle lies on a device of that size.
    static bool FitsDevice(int x, int y, int width, int height, int deviceWidth, int deviceHeight);

private:
    ~IDirect3DRMViewport() override;

    RefPtr<IDirect3DRMDevice> device_; // the viewport keeps its device alive
    RefPtr<IDirect3DRMFrame> camera_;
    int x_;
    int y_;
    int width_;
    int height_;
    D3DRMPROJECTIONTYPE projection_ = D3DRMPROJECT_PERSPECTIVE;
    float front_ = 1;
    float back_ = 100;
    float field_ = 0.5f;
    bool uniform_ = true;
    ViewPlane plane_;
};

} // namespace qor
