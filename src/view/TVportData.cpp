// Viewport settings records.
#include "view/TVportData.h"

#include "engine/Device.h"
#include "engine/Frame.h"
#include "engine/Viewport.h"

#include <algorithm>

namespace qor {

TVportData::TVportData(IDirect3DRMViewport* viewport) {
    ReadFrom(viewport);
}

void TVportData::ReadFrom(IDirect3DRMViewport* viewport) {
    if (viewport == nullptr) {
        return;
    }
    Viewport = viewport;
    ViewportSerial = viewport->Serial();
    Projection = viewport->GetProjection();
    UniformScaling = viewport->GetUniformScaling();
    Back = viewport->GetBack();
    Front = viewport->GetFront();
    Field = viewport->GetField();
    // Results are not examined: every setting read from a viewport can be set on one.
    (void)viewport->GetCamera(Camera);
    (void)viewport->GetPlane(&Left, &Right, &Bottom, &Top);
}

void TVportData::ApplyTo(IDirect3DRMViewport* viewport) {
    if (viewport == nullptr || Viewport == nullptr) {
        return;
    }
    Viewport = viewport;
    ViewportSerial = viewport->Serial();
    // Not examined: settings read from a viewport are taken as they were.
    (void)viewport->SetProjection(Projection);
    (void)viewport->SetUniformScaling(UniformScaling);
    (void)viewport->SetBack(Back);
    (void)viewport->SetFront(Front);
    (void)viewport->SetField(Field);
    (void)viewport->SetCamera(Camera.get());
    (void)viewport->SetPlane(Left, Right, Bottom, Top);
}

void TVportData::ApplyToOwn() {
    if (ViewportIsAlive(Viewport, ViewportSerial)) {
        ApplyTo(Viewport);
    }
}

bool ViewportIsAlive(const IDirect3DRMViewport* viewport, std::uint64_t serial) {
    if (viewport == nullptr) {
        return false;
    }
    // Only a viewport found on a live device may be asked for its identity.
    const auto& devices = IDirect3DRMDevice::AllDevices();
    const bool listed =
        std::any_of(devices.begin(), devices.end(), [viewport](IDirect3DRMDevice* device) {
            const auto& viewports = device->Viewports();
            return std::find(viewports.begin(), viewports.end(), viewport) != viewports.end();
        });
    return listed && viewport->Serial() == serial;
}

} // namespace qor
