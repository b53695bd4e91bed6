// The list of drivers that the settings dialog offers: filled by the driver enumeration, one
// entry per driver in the order reported, keyed by the driver's GUID in registry text.
#pragma once

#include "engine/DeviceDesc.h"
#include "engine/Guid.h"
#include "engine/Results.h"

#include <QString>

#include <memory>
#include <vector>

namespace qor {

struct TD3DDesc {
    bool Hardware = false;      // the hardware description names a colour model
    const GUID* Guid = nullptr; // as handed to the enumeration callback
    QString Description;
    QString Name;
    D3DDEVICEDESC Caps{}; // the hardware description when Hardware, else the software one
};

struct DriverListEntry {
    QString Key; // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    std::unique_ptr<TD3DDesc> Desc;
};

// The list, or null before the first ResetDriverList.
const std::vector<DriverListEntry>* DriverList();

// Makes the list exist and be empty.
void ResetDriverList();

// The enumeration callback: appends the driver to the list and goes on (returns 1).
HRESULT EnumDeviceCallback(const GUID* guid, const char* description, const char* name,
                           const D3DDEVICEDESC* hardware, const D3DDEVICEDESC* software,
                           void* context);

// The enumeration run of the drivers page: the DirectDraw object of the default display, its
// Direct3D interface, then the list emptied and refilled. Without either object the list keeps
// what it had.
void EnumerateDrivers();

} // namespace qor
