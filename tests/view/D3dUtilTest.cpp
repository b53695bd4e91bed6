// The engine helpers: failure text and box, the engine's codes by name, the render-state
// execute buffer byte for byte, frame clearing with a failure at every call, object names.
#include "view/D3dUtil.h"
#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "platform/MessageBox.h"
#include "view/FrameClearing.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace qor {
namespace {

struct CodeName {
    HRESULT code;
    const char* name;
};

class EngineCodeNameTest : public ::testing::TestWithParam<CodeName> {};

// The engine's result codes carry the values that the name table files them under.
TEST_P(EngineCodeNameTest, IsNamedInFailureMessages) {
    EXPECT_EQ(HResultToText(GetParam().code), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EngineCodeNameTest,
    ::testing::Values(CodeName{D3DRM_OK, "Ошибок нет"},
                      CodeName{D3DRMERR_BADOBJECT, "D3DRMERR_BADOBJECT"},
                      CodeName{D3DRMERR_NOTFOUND, "D3DRMERR_NOTFOUND"},
                      CodeName{D3DRMERR_NOTDONEYET, "D3DRMERR_NOTDONEYET"},
                      CodeName{D3DRMERR_FILENOTFOUND, "D3DRMERR_FILENOTFOUND"},
                      CodeName{D3DRMERR_BADFILE, "D3DRMERR_BADFILE"},
                      CodeName{D3DRMERR_BADDEVICE, "D3DRMERR_BADDEVICE"},
                      CodeName{D3DRMERR_BADVALUE, "D3DRMERR_BADVALUE"},
                      CodeName{DDERR_INVALIDPARAMS, "DDERR_INVALIDPARAMS"},
                      CodeName{DDERR_GENERIC, "DDERR_GENERIC"},
                      CodeName{DDERR_INVALIDOBJECT, "DDERR_INVALIDOBJECT"},
                      CodeName{DDERR_NOTFOUND, "DDERR_NOTFOUND"},
                      CodeName{DDERR_SURFACEBUSY, "DDERR_SURFACEBUSY"},
                      CodeName{DDERR_NOTLOCKED, "DDERR_NOTLOCKED"},
                      CodeName{DDERR_INVALIDDIRECTDRAWGUID, "DDERR_INVALIDDIRECTDRAWGUID"},
                      CodeName{E_NOINTERFACE, " строка результата HRESULT не найдена"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(FailureTextTest, FormatsTheWholeTextWhateverItsLength) {
    EXPECT_EQ(FailureText("D3DUTIL\\d3dutil", 153, DDERR_GENERIC, "IPar->DeleteLight(Ilight)"),
              "D3DUTIL\\d3dutil (153): DDERR_GENERIC\nIPar->DeleteLight(Ilight)\n"
              "Вы согласны отменить выполнение ?");
    const QString longExpression(5000, QLatin1Char('x'));
    const QString text = FailureText(QString(3000, QLatin1Char('s')), 1, 0, longExpression);
    EXPECT_TRUE(text.contains(longExpression));
    EXPECT_TRUE(text.endsWith("Вы согласны отменить выполнение ?"));
}

struct Trace {
    QtMsgType type;
    QString category;
    QString file;
    int line;
    QString message;
};
std::vector<Trace> traces;

void RecordTrace(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    traces.push_back({type, context.category, context.file, context.line, message});
}

TEST(ReportFailureTest, TracesAndAsksAndNoReturns) {
    traces.clear();
    const QtMessageHandler previous = qInstallMessageHandler(RecordTrace);
    MessageBoxRecorder boxes;
    boxes.Answer(MsgResult::No);
    ReportFailure("Frm", 7, D3DRMERR_BADVALUE, "Call()");
    qInstallMessageHandler(previous);
    const QString text = "Frm (7): D3DRMERR_BADVALUE\nCall()\nВы согласны отменить выполнение ?";
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].category, "Trace");
    EXPECT_EQ(traces[0].file, "D3DUTIL\\d3dutil");
    EXPECT_EQ(traces[0].line, 42);
    EXPECT_EQ(traces[0].message, text);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const MessageBoxRequest& box = boxes.Shown()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Неудачный результат HRESULT");
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
}

TEST(ReportFailureDeathTest, YesEndsTheProcessWithExitCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MessageBoxRecorder boxes;
            boxes.Answer(MsgResult::Yes);
            ReportFailure("Frm", 7, D3DRMERR_BADVALUE, "Call()");
            std::abort();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(RenderStateBufferTest, IsTheThirtyTwoBytesOfThePublishedLayout) {
    const std::array<std::uint8_t, 32> expected = {
        8,    8, 3, 0,             // render state, 8-byte records, 3 of them
        0x16, 1, 0, 0, 0, 0, 0, 0, // 22 + 256: override off
        0x16, 0, 0, 0, 1, 0, 0, 0, // 22: value 1
        0x16, 1, 0, 0, 1, 0, 0, 0, // 22 + 256: override on
        11,   0, 0, 0};            // exit
    EXPECT_EQ(RenderStateInstructions(22, 1), expected);
    const D3DEXECUTEDATA data = RenderStateExecuteData();
    D3DEXECUTEDATA zero{};
    zero.dwSize = 48;
    zero.dwInstructionLength = 32;
    EXPECT_EQ(sizeof data, 48u);
    EXPECT_EQ(std::memcmp(&data, &zero, sizeof data), 0);
}

class RenderStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::Require(Direct3DRMCreate(engine));
        RefPtr<IDirectDrawClipper> clipper = MakeRef<IDirectDrawClipper>();
        ASSERT_EQ(engine->CreateDeviceFromClipper(clipper.get(), nullptr, 32, 32, device),
                  D3DRM_OK);
        test::Require(engine->CreateFrame(nullptr, camera));
    }
    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirect3DRMDevice> device;
    RefPtr<IDirect3DRMFrame> camera;
};

TEST_F(RenderStateTest, ForcesTheStateWithItsOverride) {
    RefPtr<IDirect3DRMViewport> viewport;
    test::Require(engine->CreateViewport(device.get(), camera.get(), 0, 0, 32, 32, viewport));
    ASSERT_EQ(SetRenderState(device.get(), D3DRENDERSTATE_CULLMODE, D3DCULL_NONE), D3D_OK);
    EXPECT_TRUE(device->States().Overridden(D3DRENDERSTATE_CULLMODE));
    EXPECT_EQ(device->States().Effective(D3DRENDERSTATE_CULLMODE), D3DCULL_NONE);
    RefPtr<IDirect3DDevice> direct3D;
    test::Require(device->GetDirect3DDevice(direct3D));
    EXPECT_EQ(ExecuteRenderState(direct3D.get(), D3DRENDERSTATE_ZFUNC, D3DCMP_ALWAYS), D3D_OK);
    EXPECT_EQ(device->States().Effective(D3DRENDERSTATE_ZFUNC), D3DCMP_ALWAYS);
    EXPECT_EQ(ExecuteRenderState(direct3D.get(), 99, 1), DDERR_INVALIDPARAMS);
    EXPECT_EQ(ExecuteRenderState(direct3D.get(), D3DRENDERSTATE_ZENABLE, 0), D3D_OK)
        << "a failed execute still ends its scene";
}

TEST_F(RenderStateTest, WithoutAViewportReturnsTheViewportQuerysFailure) {
    EXPECT_EQ(SetRenderState(device.get(), D3DRENDERSTATE_CULLMODE, D3DCULL_NONE),
              D3DRMERR_NOTFOUND);
    EXPECT_FALSE(device->States().Overridden(D3DRENDERSTATE_CULLMODE));
    EXPECT_EQ(SetRenderState(nullptr, 22, 1), E_INVALIDARG);
    EXPECT_EQ(ExecuteRenderState(nullptr, 22, 1), E_INVALIDARG);
}

TEST(ClearFrameTest, EmptiesTheFrameAndOnlyDetachesItsChildren) {
    RefPtr<IDirect3DRM> engine;
    test::Require(Direct3DRMCreate(engine));
    RefPtr<IDirect3DRMFrame> scene;
    test::Require(engine->CreateFrame(nullptr, scene));
    RefPtr<IDirect3DRMFrame> child;
    test::Require(engine->CreateFrame(scene.get(), child));
    RefPtr<IDirect3DRMFrame> grandchild;
    test::Require(engine->CreateFrame(child.get(), grandchild));
    RefPtr<IDirect3DRMLight> light;
    test::Require(engine->CreateLightRGB(D3DRMLIGHT_AMBIENT, 1, 1, 1, light));
    test::Require(scene->AddLight(light.get()));
    test::Require(scene->AddLight(light.get()));
    RefPtr<IDirect3DRMMeshBuilder> mesh;
    test::Require(engine->CreateMeshBuilder(mesh));
    test::Require(scene->AddVisual(mesh.get()));
    MessageBoxRecorder boxes;
    ClearFrame(scene.get());
    ClearFrame(nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
    RefPtr<IDirect3DRMLightArray> lights;
    test::Require(scene->GetLights(lights));
    RefPtr<IDirect3DRMVisualArray> visuals;
    test::Require(scene->GetVisuals(visuals));
    RefPtr<IDirect3DRMFrameArray> children;
    test::Require(scene->GetChildren(children));
    EXPECT_EQ(lights->GetSize() + visuals->GetSize() + children->GetSize(), 0u);
    RefPtr<IDirect3DRMFrame> parent;
    test::Require(child->GetParent(parent));
    EXPECT_EQ(parent, nullptr);
    test::Require(grandchild->GetParent(parent));
    EXPECT_EQ(parent, child) << "children are detached, not emptied";
}

// A frame whose named call fails, for the failure paths of the clearing.
struct FakeObject {
    void AddRef() { ++references; }
    void Release() {
        if (--references == 0) {
            delete this;
        }
    }
    virtual ~FakeObject() = default;
    int references = 1;
};

struct FakeItem : FakeObject {};

struct FakeArray : FakeObject {
    std::vector<RefPtr<FakeItem>> items;
    bool failElement = false;
    std::uint32_t GetSize() const { return static_cast<std::uint32_t>(items.size()); }
    HRESULT GetElement(std::uint32_t i, RefPtr<FakeItem>& item) const {
        if (failElement) {
            return DDERR_GENERIC;
        }
        item = items[i];
        return D3DRM_OK;
    }
};

struct FakeFrame {
    std::vector<RefPtr<FakeItem>> lights;
    std::vector<RefPtr<FakeItem>> visuals;
    std::vector<RefPtr<FakeItem>> children;
    std::string failing;

    HRESULT Get(const std::vector<RefPtr<FakeItem>>& items, const char* get, const char* element,
                RefPtr<FakeArray>& array) const {
        if (failing == get) {
            return DDERR_GENERIC;
        }
        array = MakeRef<FakeArray>();
        array->items = items;
        array->failElement = failing == element;
        return D3DRM_OK;
    }
    HRESULT Delete(std::vector<RefPtr<FakeItem>>& items, const char* name, FakeItem* item) {
        if (failing == name) {
            return DDERR_GENERIC;
        }
        std::erase_if(items, [item](const RefPtr<FakeItem>& p) { return p.get() == item; });
        return D3DRM_OK;
    }
    HRESULT GetLights(RefPtr<FakeArray>& a) const { return Get(lights, "GetLights", "Light", a); }
    HRESULT GetVisuals(RefPtr<FakeArray>& a) const {
        return Get(visuals, "GetVisuals", "Visual", a);
    }
    HRESULT GetChildren(RefPtr<FakeArray>& a) const {
        return Get(children, "GetChildren", "Child", a);
    }
    HRESULT DeleteLight(FakeItem* item) { return Delete(lights, "DeleteLight", item); }
    HRESULT DeleteVisual(FakeItem* item) { return Delete(visuals, "DeleteVisual", item); }
    HRESULT DeleteChild(FakeItem* item) { return Delete(children, "DeleteChild", item); }
};

struct FailureCase {
    const char* failing;
    const char* reported;            // "<line>): DDERR_GENERIC\n<expression>"
    std::array<std::size_t, 3> left; // lights, visuals, children after the clearing
};

class ClearFrameFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ClearFrameFailureTest, ReportsTheCallAndLeavesTheRestAsItWas) {
    FakeFrame frame;
    for (int i = 0; i < 2; ++i) {
        frame.lights.push_back(MakeRef<FakeItem>());
        frame.visuals.push_back(MakeRef<FakeItem>());
        frame.children.push_back(MakeRef<FakeItem>());
    }
    frame.failing = GetParam().failing;
    MessageBoxRecorder boxes;
    boxes.Answer(MsgResult::No);
    ClearFrameContents(&frame);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(boxes.Shown()[0].text.startsWith(QString("D3DUTIL\\d3dutil (") +
                                                 GetParam().reported + "\n"))
        << boxes.Shown()[0].text.toStdString();
    const std::array<std::size_t, 3> left = {frame.lights.size(), frame.visuals.size(),
                                             frame.children.size()};
    EXPECT_EQ(left, GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ClearFrameFailureTest,
    ::testing::Values(
        FailureCase{"GetLights", "148): DDERR_GENERIC\nIPar->GetLights(&ILights)", {2, 2, 2}},
        FailureCase{"Light", "152): DDERR_GENERIC\nILights->GetElement(i, &Ilight)", {2, 2, 2}},
        FailureCase{"DeleteLight", "153): DDERR_GENERIC\nIPar->DeleteLight(Ilight)", {2, 2, 2}},
        FailureCase{"GetVisuals", "159): DDERR_GENERIC\nIPar->GetVisuals(&IVisuals)", {0, 2, 2}},
        FailureCase{"Visual", "163): DDERR_GENERIC\nIVisuals->GetElement(i, &Ivisual)", {0, 2, 2}},
        FailureCase{"DeleteVisual", "164): DDERR_GENERIC\nIPar->DeleteVisual(Ivisual)", {0, 2, 2}},
        FailureCase{"GetChildren", "170): DDERR_GENERIC\nIPar->GetChildren(&IFrames)", {0, 0, 2}},
        FailureCase{"Child", "174): DDERR_GENERIC\nIFrames->GetElement(i, &Iframe)", {0, 0, 2}},
        FailureCase{"DeleteChild", "175): DDERR_GENERIC\nIPar->DeleteChild(Iframe)", {0, 0, 2}}),
    [](const auto& info) { return std::string(info.param.failing); });

TEST(ObjectNameTest, ReadsTheNameAsATextOfItsOwn) {
    EXPECT_EQ(ObjectName(nullptr).toStdString(), "");
    RefPtr<IDirect3DRMFrame> frame = MakeRef<IDirect3DRMFrame>();
    RefPtr<IDirect3DRMFrame> other = MakeRef<IDirect3DRMFrame>();
    EXPECT_EQ(ObjectName(frame.get()).toStdString(), "");
    test::Require(frame->SetName("VideoPort"));
    test::Require(other->SetName("OwnCamera"));
    const QString first = ObjectName(frame.get());
    const QString second = ObjectName(frame.get());
    EXPECT_EQ(first, second) << "two calls return equal texts";
    EXPECT_EQ(ObjectName(other.get()).toStdString(), "OwnCamera");
    EXPECT_EQ(first.toStdString(), "VideoPort") << "reading another name leaves this one alone";
    test::Require(frame->SetName(std::string(300, 'n').c_str()));
    EXPECT_EQ(ObjectName(frame.get()).toStdString(), std::string(255, 'n'));
}

} // namespace
} // namespace qor
