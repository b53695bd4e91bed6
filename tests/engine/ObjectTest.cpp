// Reference counts, names, object arrays and GUID text.
#include "../support/Require.h"
#include "engine/Engine.h"
#include "engine/Frame.h"
#include "engine/Guid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace qor {
namespace {

TEST(ObjectTest, LastReleaseDestroysAndTheLiveCountFollows) {
    const std::int64_t before = IDirect3DRMObject::LiveObjectCount();
    RefPtr<IDirect3DRM> engine;
    test::Require(Direct3DRMCreate(engine));
    RefPtr<IDirect3DRMFrame> frame;
    test::Require(engine->CreateFrame(nullptr, frame));
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before + 2);
    RefPtr<IDirect3DRMFrame> second = frame;
    EXPECT_EQ(frame->AddRef(), 3u);
    EXPECT_EQ(frame->Release(), 2u);
    frame.reset();
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before + 2) << "second still holds it";
    second.reset();
    engine.reset();
    EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), before);
}

TEST(ObjectTest, GetNameReportsTheSizeWithItsTerminatingZero) {
    RefPtr<IDirect3DRMFrame> frame = MakeRef<IDirect3DRMFrame>();
    char buffer[256] = "junk";
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(frame->GetName(&size, buffer), D3DRM_OK);
    EXPECT_EQ(size, 1u) << "no name: only the terminating zero";
    EXPECT_STREQ(buffer, "");
    test::Require(frame->SetName("VideoPort"));
    size = sizeof buffer;
    EXPECT_EQ(frame->GetName(&size, buffer), D3DRM_OK);
    EXPECT_EQ(size, 10u);
    EXPECT_STREQ(buffer, "VideoPort");
    size = 0;
    EXPECT_EQ(frame->GetName(&size, nullptr), D3DRM_OK) << "size only";
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(frame->GetName(nullptr, buffer), D3DRMERR_BADVALUE);
}

TEST(ObjectTest, GetNameNeverWritesPastTheBuffer) {
    RefPtr<IDirect3DRMFrame> frame = MakeRef<IDirect3DRMFrame>();
    test::Require(frame->SetName(std::string(300, 'a').c_str()));
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::uint32_t size = 5;
    EXPECT_EQ(frame->GetName(&size, buffer), D3DRMERR_BADVALUE);
    EXPECT_EQ(size, 301u);
    EXPECT_STREQ(buffer, "aaaa");
    EXPECT_EQ(buffer[5], 'x');
}

// Each object is freed before the next is made, so that the allocator may hand out the same
// block again: the serials still differ, growing.
TEST(ObjectTest, EveryObjectGetsASerialNoEarlierObjectHad) {
    std::vector<std::uint64_t> serials;
    for (int i = 0; i < 8; ++i) {
        serials.push_back(MakeRef<IDirect3DRMFrame>()->Serial());
    }
    EXPECT_TRUE(std::is_sorted(serials.begin(), serials.end()));
    EXPECT_EQ(std::adjacent_find(serials.begin(), serials.end()), serials.end());
}

TEST(GuidTest, RegistryTextBothWays) {
    const GUID guid{0x3BBA0080, 0x2421, 0x11CF, {0xA3, 0x1A, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
    EXPECT_EQ(GuidToText(guid), "{3BBA0080-2421-11CF-A31A-00AA00B93356}");
    EXPECT_EQ(TextToGuid("{3bba0080-2421-11cf-a31a-00aa00b93356}"), guid);
    EXPECT_EQ(guid, IID_IDirect3D);
    for (const char* bad :
         {"", "3BBA0080-2421-11CF-A31A-00AA00B93356", "{3BBA0080-2421-11CF-A31A-00AA00B9335}",
          "{3BBA0080+2421-11CF-A31A-00AA00B93356}", "{3BBA0080-2421-11CF-A31A-00AA00B9335G}"}) {
        EXPECT_FALSE(TextToGuid(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace qor
