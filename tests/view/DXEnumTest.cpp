// The driver list: reset, enumeration, and which description each driver keeps.
#include "view/DXEnum.h"
#include "engine/Drivers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qor {
namespace {

TEST(DriverListTest, TwoRunsLeaveOneEntryPerDriverInOrder) {
    EnumerateDrivers();
    EnumerateDrivers();
    const std::vector<DriverListEntry>* list = DriverList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->size(), Drivers().size());
    for (std::size_t i = 0; i < list->size(); ++i) {
        const DriverListEntry& entry = (*list)[i];
        EXPECT_EQ(entry.Key, GuidToText(Drivers()[i].guid));
        EXPECT_EQ(entry.Key.size(), 38);
        EXPECT_EQ(entry.Desc->Guid, &Drivers()[i].guid);
        EXPECT_EQ(entry.Desc->Name, Drivers()[i].name);
        EXPECT_EQ(entry.Desc->Description, Drivers()[i].description);
    }
    EXPECT_TRUE((*list)[0].Desc->Hardware);
    EXPECT_EQ((*list)[0].Desc->Caps.dcmColorModel, D3DCOLOR_RGB);
    EXPECT_FALSE((*list)[1].Desc->Hardware) << "the mono driver has no hardware description";
    EXPECT_EQ((*list)[1].Desc->Caps.dcmColorModel, D3DCOLOR_MONO);
}

TEST(DriverListTest, ColourModelZeroKeepsTheSoftwareDescription) {
    ResetDriverList();
    ASSERT_TRUE(DriverList()->empty());
    D3DDEVICEDESC hardware{};
    hardware.dwSize = sizeof hardware;
    hardware.dwFlags = 0x7F;
    D3DDEVICEDESC software{};
    software.dwSize = sizeof software;
    software.dcmColorModel = D3DCOLOR_MONO;
    software.dpcTriCaps.dwShadeCaps = 0x15;
    const GUID guid{0xAB, 1, 2, {3}};
    EXPECT_EQ(EnumDeviceCallback(&guid, "desc", "name", &hardware, &software, nullptr), 1);
    ASSERT_EQ(DriverList()->size(), 1u);
    const TD3DDesc& desc = *DriverList()->front().Desc;
    EXPECT_FALSE(desc.Hardware);
    EXPECT_EQ(std::memcmp(&desc.Caps, &software, sizeof software), 0);
    EXPECT_EQ(DriverList()->front().Key, "{000000AB-0001-0002-0300-000000000000}");
    hardware.dcmColorModel = D3DCOLOR_RGB;
    EnumDeviceCallback(&guid, "desc", "name", &hardware, &software, nullptr);
    EXPECT_TRUE(DriverList()->back().Desc->Hardware);
    EXPECT_EQ(std::memcmp(&DriverList()->back().Desc->Caps, &hardware, sizeof hardware), 0);
    ResetDriverList();
    EXPECT_TRUE(DriverList()->empty());
}

} // namespace
} // namespace qor
