// Viewport settings records: an empty record changes nothing, and a record applies edits to its
// own viewport only while that viewport exists.
#include "../support/Require.h"
#include "ViewHostFixture.h"

#include <vector>

namespace qor::test {
namespace {

TEST_F(ViewHost, RecordAppliesEditsToItsOwnViewportOnlyWhileThatExists) {
    TVportData empty;
    empty.Field = 9;
    empty.ApplyTo(vport->Viewport.get());
    EXPECT_EQ(vport->Viewport->GetField(), 0.5f);

    TVportData data(vport->Viewport.get());
    EXPECT_EQ(data.Camera, host->CameraFrame);
    data.Projection = D3DRMPROJECT_ORTHOGRAPHIC;
    data.Field = 3;
    data.ApplyToOwn();
    EXPECT_EQ(vport->Viewport->GetProjection(), D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_EQ(vport->Viewport->GetField(), 3.0f);

    // The device is replaced: the record's viewport is gone and is not reached through it.
    host->CreateDevice(nullptr);
    data.Field = 7;
    data.ApplyToOwn();
    EXPECT_EQ(vport->Viewport->GetField(), 3.0f);
}

// A viewport made at the address of the record's released viewport is another viewport: the
// record's edits must not reach it.
TEST_F(ViewHost, RecordDoesNotReachANewViewportAtItsOldViewportsAddress) {
    TVportData data(vport->Viewport.get());
    const IDirect3DRMViewport* old = vport->Viewport.get();
    vport->ReleaseViewport();
    // The allocator hands a freed block to one of the next requests of its size.
    std::vector<RefPtr<IDirect3DRMViewport>> made;
    while (made.size() < 64 && (made.empty() || made.back().get() != old)) {
        made.emplace_back();
        test::Require(host->Engine->CreateViewport(host->Device.get(), host->CameraFrame.get(), 0,
                                                   0, 10, 10, made.back()));
    }
    if (made.back().get() != old) {
        GTEST_SKIP() << "no viewport was made at the old address (an allocator with a quarantine)";
    }
    EXPECT_FALSE(ViewportIsAlive(old, data.ViewportSerial));
    data.Field = 7;
    data.ApplyToOwn();
    EXPECT_EQ(made.back()->GetField(), 0.5f) << "the engine's default";
    EXPECT_TRUE(ViewportIsAlive(made.back().get(), made.back()->Serial()));
}

} // namespace
} // namespace qor::test
