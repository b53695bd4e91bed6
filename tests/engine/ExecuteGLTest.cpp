// The immediate-mode device: its viewport list, execute buffers and scenes.
#include "../support/GlErrors.h"
#include "../support/Require.h"
#include "GlScene.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::GlScene;

class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(s.Ok());
        test::Require(s.device->GetDirect3DDevice(d3d));
        test::Require(d3d->NextViewport(nullptr, head, D3DNEXT_HEAD));
        ASSERT_NE(head, nullptr);
    }
    void TearDown() override {
        EXPECT_EQ(test::GlErrorNames(test::TakeGlErrors()).toStdString(), "none")
            << "left by the execute buffers";
    }
    RefPtr<IDirect3DExecuteBuffer> Buffer(std::uint32_t size) {
        D3DEXECUTEBUFFERDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = D3DDEB_BUFSIZE;
        desc.dwBufferSize = size;
        RefPtr<IDirect3DExecuteBuffer> buffer;
        EXPECT_EQ(d3d->CreateExecuteBuffer(&desc, buffer), D3D_OK);
        return buffer;
    }

    GlScene s{64, 48};
    RefPtr<IDirect3DDevice> d3d;
    RefPtr<IDirect3DViewport> head;
};

TEST_F(ExecuteTest, NextViewportWalksTheDevicesViewports) {
    RefPtr<IDirect3DRMViewport> second;
    test::Require(s.engine->CreateViewport(s.device.get(), s.camera.get(), 0, 0, 10, 10, second));
    RefPtr<IDirect3DViewport> next;
    ASSERT_EQ(d3d->NextViewport(head.get(), next, D3DNEXT_NEXT), D3D_OK);
    EXPECT_EQ(next->Retained(), second.get());
    RefPtr<IDirect3DViewport> none;
    EXPECT_EQ(d3d->NextViewport(next.get(), none, D3DNEXT_NEXT), D3DRMERR_NOTFOUND);
    EXPECT_EQ(d3d->NextViewport(nullptr, none, D3DNEXT_TAIL), D3D_OK);
    EXPECT_EQ(none->Retained(), second.get());
    EXPECT_EQ(d3d->NextViewport(nullptr, none, 0), DDERR_INVALIDPARAMS);
}

TEST_F(ExecuteTest, ADeviceWithoutViewportsHasNoHead) {
    head.reset();
    s.viewport.reset();
    RefPtr<IDirect3DViewport> none;
    EXPECT_EQ(d3d->NextViewport(nullptr, none, D3DNEXT_HEAD), D3DRMERR_NOTFOUND);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ExecuteTest, BufferDescriptionsAreChecked) {
    D3DEXECUTEBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwBufferSize = 32;
    RefPtr<IDirect3DExecuteBuffer> buffer;
    EXPECT_EQ(d3d->CreateExecuteBuffer(&desc, buffer), DDERR_INVALIDPARAMS) << "no size flag";
    desc.dwFlags = D3DDEB_BUFSIZE;
    desc.dwBufferSize = IDirect3DExecuteBuffer::kMaxSize + 1;
    EXPECT_EQ(d3d->CreateExecuteBuffer(&desc, buffer), DDERR_INVALIDPARAMS) << "too large";
    desc.dwBufferSize = 0;
    EXPECT_EQ(d3d->CreateExecuteBuffer(&desc, buffer), DDERR_INVALIDPARAMS) << "empty";
    desc.dwBufferSize = 32;
    desc.dwSize = 20;
    EXPECT_EQ(d3d->CreateExecuteBuffer(&desc, buffer), DDERR_INVALIDPARAMS) << "wrong record";
    EXPECT_EQ(d3d->CreateExecuteBuffer(nullptr, buffer), DDERR_INVALIDPARAMS);
    EXPECT_EQ(buffer, nullptr);
}

TEST_F(ExecuteTest, LockingAndExecuteDataAreChecked) {
    RefPtr<IDirect3DExecuteBuffer> buffer = Buffer(32);
    D3DEXECUTEBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(buffer->Lock(&desc), D3D_OK);
    EXPECT_EQ(desc.dwBufferSize, 32u);
    ASSERT_NE(desc.lpData, nullptr);
    EXPECT_EQ(static_cast<std::uint8_t*>(desc.lpData)[31], 0);
    EXPECT_EQ(buffer->Lock(&desc), DDERR_SURFACEBUSY);
    test::Require(d3d->BeginScene());
    EXPECT_EQ(d3d->Execute(buffer.get(), head.get(), D3DEXECUTE_UNCLIPPED), DDERR_SURFACEBUSY);
    test::Require(d3d->EndScene());
    EXPECT_EQ(buffer->Unlock(), D3D_OK);
    EXPECT_EQ(buffer->Unlock(), DDERR_NOTLOCKED);
    D3DEXECUTEDATA data{};
    data.dwSize = sizeof data;
    data.dwInstructionOffset = 16;
    data.dwInstructionLength = 17;
    EXPECT_EQ(buffer->SetExecuteData(&data), DDERR_INVALIDPARAMS) << "past the end";
    data.dwInstructionLength = 16;
    EXPECT_EQ(buffer->SetExecuteData(&data), D3D_OK);
    D3DEXECUTEDATA read{};
    test::Require(buffer->GetExecuteData(&read));
    EXPECT_EQ(read.dwInstructionOffset, 16u);
}

TEST_F(ExecuteTest, ExecuteNeedsASceneAndAViewportOfThisDevice) {
    RefPtr<IDirect3DExecuteBuffer> buffer = Buffer(32);
    EXPECT_EQ(d3d->Execute(buffer.get(), head.get(), D3DEXECUTE_UNCLIPPED), DDERR_GENERIC);
    EXPECT_EQ(d3d->EndScene(), DDERR_GENERIC);
    ASSERT_EQ(d3d->BeginScene(), D3D_OK);
    EXPECT_EQ(d3d->BeginScene(), DDERR_GENERIC);
    GlScene other(32, 32);
    RefPtr<IDirect3DViewport> foreign = MakeRef<IDirect3DViewport>(other.viewport.get());
    EXPECT_EQ(d3d->Execute(buffer.get(), foreign.get(), D3DEXECUTE_UNCLIPPED), DDERR_INVALIDPARAMS);
    EXPECT_EQ(d3d->Execute(buffer.get(), head.get(), 0), DDERR_INVALIDPARAMS);
    EXPECT_EQ(d3d->Execute(buffer.get(), head.get(), D3DEXECUTE_CLIPPED), DDERR_INVALIDPARAMS)
        << "an all-zero buffer has no exit instruction";
    EXPECT_EQ(d3d->EndScene(), D3D_OK);
}

} // namespace
} // namespace qor
