// Geometry ids of visuals.
#include "engine/Visual.h"

#include "engine/Device.h"

namespace qor {

namespace {
std::uint64_t NewGeometryId() {
    static std::uint64_t last = 0;
    return ++last;
}
} // namespace

IDirect3DRMVisual::IDirect3DRMVisual() : geometryId_(NewGeometryId()) {}

IDirect3DRMVisual::~IDirect3DRMVisual() {
    IDirect3DRMDevice::ForgetGeometry(geometryId_);
}

void IDirect3DRMVisual::RenewGeometryId() {
    IDirect3DRMDevice::ForgetGeometry(geometryId_);
    geometryId_ = NewGeometryId();
}

} // namespace qor
