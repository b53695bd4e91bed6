// Viewport settings records: an empty record changes nothing, and a record applies edits to its
// own viewport only while that viewport exists.
#include "ViewHostFixture.h"

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

} // namespace
} // namespace qor::test
