// The retained-mode engine object: it makes frames, lights, mesh builders, devices and
// viewports, lists every device of the process and runs the animation (Tick). Any number of
// engine objects may exist; they all see the same devices and move the same frames.
#pragma once

#include "engine/Object.h"
#include "engine/ObjectArray.h"
#include "engine/RefPtr.h"
#include "engine/Types.h"

namespace qor {

struct GUID;
class IDirectDrawClipper;
class IDirect3DRMFrame;
class IDirect3DRMLight;
class IDirect3DRMMaterial;
class IDirect3DRMMesh;
class IDirect3DRMMeshBuilder;

class IDirect3DRM final : public IDirect3DRMObject {
public:
    IDirect3DRM() = default;

    // A frame under parent, or a new scene root for a null parent.
    [[nodiscard]] HRESULT CreateFrame(IDirect3DRMFrame* parent, RefPtr<IDirect3DRMFrame>& frame);
    // Ambient or directional; red, green, blue in 0..1.
    [[nodiscard]] HRESULT CreateLightRGB(D3DRMLIGHTTYPE type, D3DVALUE red, D3DVALUE green,
                                         D3DVALUE blue, RefPtr<IDirect3DRMLight>& light);
    [[nodiscard]] HRESULT CreateMeshBuilder(RefPtr<IDirect3DRMMeshBuilder>& meshBuilder);
    // An empty mesh, for geometry the program makes itself.
    [[nodiscard]] HRESULT CreateMesh(RefPtr<IDirect3DRMMesh>& mesh);
    // A material with no glow and no shine of the given sharpness; a negative or non-finite
    // power is refused.
    [[nodiscard]] HRESULT CreateMaterial(D3DVALUE power, RefPtr<IDirect3DRMMaterial>& material);
    // A device of the driver with that GUID (null: the default driver) rendering a picture of
    // width x height. A GUID that names no driver gives D3DRMERR_BADDEVICE and no device.
    [[nodiscard]] HRESULT CreateDeviceFromClipper(IDirectDrawClipper* clipper, const GUID* driver,
                                                  int width, int height,
                                                  RefPtr<IDirect3DRMDevice>& device);
    // A viewport on the device, seen from camera, covering a rectangle that lies on the device.
    [[nodiscard]] HRESULT CreateViewport(IDirect3DRMDevice* device, IDirect3DRMFrame* camera, int x,
                                         int y, int width, int height,
                                         RefPtr<IDirect3DRMViewport>& viewport);
    // Every device of the process, oldest first.
    [[nodiscard]] HRESULT GetDevices(RefPtr<IDirect3DRMDeviceArray>& devices);
    // Moves every frame by its velocity and rotation for delta time units, then renders every
    // viewport of every device and presents each device. Delta 0 renders without motion.
    [[nodiscard]] HRESULT Tick(D3DVALUE delta);

private:
    ~IDirect3DRM() override = default;
};

[[nodiscard]] HRESULT Direct3DRMCreate(RefPtr<IDirect3DRM>& engine);

} // namespace qor
