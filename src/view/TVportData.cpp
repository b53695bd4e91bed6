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
    viewport->GetCamera(Camera);
    viewport->GetPlane(&Left, &Right, &Bottom, &Top);
}

void TVportData::ApplyTo(IDirect3DRMViewport* viewport) {
    if (viewport == nullptr || Viewport == nullptr) {
        return;
    }
    Viewport = viewport;
    ViewportSerial = viewport->Serial();
    viewport->SetProjection(Projection);
    viewport->SetUniformScaling(UniformScaling);
    viewport->SetBack(Back);
    viewport->SetFront(Front);
    viewport->SetField(Field);
    viewport->SetCamera(Camera.get());
    viewport->SetPlane(Left, Right, Bottom, Top);
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
