// Viewport settings records: reading, applying, and applying to their own viewport only while
// it exists.
#include "ViewHostFixture.h"

namespace qor::test {
namespace {

TEST_F(ViewHost, EmptyRecordReadsAndAppliesNothing) {
    TVportData data;
    data.ReadFrom(nullptr);
    data.Field = 9;
    data.ApplyTo(vport->Viewport.get());
    EXPECT_EQ(data.Viewport, nullptr);
    EXPECT_EQ(vport->Viewport->GetField(), 0.5f);
    data.ApplyToOwn();
}

TEST_F(ViewHost, RecordAppliesEditsToItsOwnViewportOnlyWhileThatExists) {
    TVportData data(vport->Viewport.get());
    EXPECT_EQ(data.Viewport, vport->Viewport.get());
    EXPECT_EQ(data.Camera, host->CameraFrame);
    EXPECT_EQ(data.Field, 0.5f);
    EXPECT_EQ(data.Back, 100.0f);
    EXPECT_TRUE(data.UniformScaling);

    data.Projection = D3DRMPROJECT_ORTHOGRAPHIC;
    data.Field = 3;
    data.Front = 0.5f;
    data.ApplyToOwn();
    EXPECT_EQ(vport->Viewport->GetProjection(), D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_EQ(vport->Viewport->GetField(), 3.0f);
    EXPECT_EQ(vport->Viewport->GetFront(), 0.5f);

    // The device is replaced: the record's viewport is gone, the control's new one keeps the
    // settings it had and is not reached through the stale record.
    host->CreateDevice(nullptr);
    data.Field = 7;
    data.ApplyToOwn();
    EXPECT_EQ(vport->Viewport->GetField(), 3.0f);
    EXPECT_FALSE(ViewportIsAlive(data.Viewport));
}

} // namespace
} // namespace qor::test
