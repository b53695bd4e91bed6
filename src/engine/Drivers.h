// The drivers the engine offers, both rendering with OpenGL: an RGB driver (the default) and a
// mono driver that lights by intensity in a ramp of shades.
#pragma once

#include "engine/DeviceDesc.h"
#include "engine/Guid.h"

#include <vector>

namespace qor {

struct DriverInfo {
    GUID guid;
    const char* description;
    const char* name;
    D3DCOLORMODEL colorModel;
    D3DDEVICEDESC hardware; // colour model 0 when the driver has no hardware description
    D3DDEVICEDESC software;
};

// In the order in which the enumeration reports them; the first is the default.
const std::vector<DriverInfo>& Drivers();

// The driver with that GUID, the default one for a null GUID, null for an unknown GUID.
const DriverInfo* FindDriver(const GUID* guid);

} // namespace qor
