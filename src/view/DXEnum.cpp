// The driver list.
#include "view/DXEnum.h"

#include "engine/DirectDraw.h"

#include <optional>

namespace qor {

namespace {
// Made by the first ResetDriverList and kept until the program ends.
std::optional<std::vector<DriverListEntry>> driverList;
} // namespace

const std::vector<DriverListEntry>* DriverList() {
    return driverList ? &*driverList : nullptr;
}

void ResetDriverList() {
    if (!driverList) {
        driverList.emplace();
        return;
    }
    driverList->clear();
}

HRESULT EnumDeviceCallback(const GUID* guid, const char* description, const char* name,
                           const D3DDEVICEDESC* hardware, const D3DDEVICEDESC* software, void*) {
    auto desc = std::make_unique<TD3DDesc>();
    desc->Guid = guid;
    desc->Description = QString::fromLocal8Bit(description);
    desc->Name = QString::fromLocal8Bit(name);
    if (hardware != nullptr && hardware->dcmColorModel != 0) {
        desc->Hardware = true;
        desc->Caps = *hardware;
    } else if (software != nullptr) {
        desc->Caps = *software;
    }
    if (!driverList) {
        driverList.emplace();
    }
    driverList->push_back({guid != nullptr ? GuidToText(*guid) : QString(), std::move(desc)});
    return D3DENUMRET_OK;
}

void EnumerateDrivers() {
    RefPtr<IDirectDraw> directDraw;
    // Results are not examined: a missing object ends the enumeration, and a driver that cannot be
    // listed is left out.
    (void)DirectDrawCreate(nullptr, directDraw);
    if (!directDraw) {
        return;
    }
    RefPtr<IDirect3D> direct3D;
    (void)directDraw->QueryInterface(IID_IDirect3D, direct3D);
    if (direct3D) {
        ResetDriverList();
        (void)direct3D->EnumDevices(EnumDeviceCallback, nullptr);
    }
}

} // namespace qor
