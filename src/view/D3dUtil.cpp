// The engine helpers.
#include "view/D3dUtil.h"

#include "engine/Direct3DDevice.h"
#include "engine/ExecuteBuffer.h"
#include "engine/Frame.h"
#include "engine/RetainedMode.h"
#include "platform/MessageBox.h"
#include "view/FrameClearing.h"

#include <QCoreApplication>
#include <QDebug>

#include <cstdlib>
#include <cstring>

namespace qor {

namespace {

// The line that failure messages are traced under.
constexpr int kTraceLine = 42;

// The longest name read, its closing zero included.
constexpr std::size_t kNameSize = 256;

void Put(std::uint8_t* at, const void* data, std::size_t size) {
    std::memcpy(at, data, size);
}

} // namespace

QString FailureText(const QString& source, int line, HRESULT code, const QString& expression) {
    return QCoreApplication::translate("qor::D3dUtil",
                                       "%1 (%2): %3\n%4\nВы согласны отменить выполнение ?")
        .arg(source, QString::number(line), HResultToText(code), expression);
}

void ReportFailure(const QString& source, int line, HRESULT code, const QString& expression) {
    const QString text = FailureText(source, line, code, expression);
    QMessageLogger(kD3dUtilModule, kTraceLine, nullptr, "Trace").debug().noquote() << text;
    if (ShowMessageBox(nullptr, text,
                       QCoreApplication::translate("qor::D3dUtil", "Неудачный результат HRESULT"),
                       MsgIcon::Warning, MsgButtons::YesNo) == MsgResult::Yes) {
        std::exit(0);
    }
}

HRESULT SetRenderState(IDirect3DRMDevice* device, std::uint32_t state, std::uint32_t value) {
    if (device == nullptr) {
        return E_INVALIDARG;
    }
    RefPtr<IDirect3DDevice> direct3D;
    const HRESULT result = device->GetDirect3DDevice(direct3D);
    if (Failed(result)) {
        return result;
    }
    return ExecuteRenderState(direct3D.get(), state, value);
}

std::array<std::uint8_t, 32> RenderStateInstructions(std::uint32_t state, std::uint32_t value) {
    std::array<std::uint8_t, 32> bytes{};
    const D3DINSTRUCTION states{D3DOP_STATERENDER, sizeof(D3DSTATE), 3};
    const D3DSTATE records[3] = {
        {state + D3DSTATE_OVERRIDE_BIAS, 0}, {state, value}, {state + D3DSTATE_OVERRIDE_BIAS, 1}};
    const D3DINSTRUCTION exit{D3DOP_EXIT, 0, 0};
    Put(bytes.data(), &states, sizeof states);
    Put(bytes.data() + 4, records, sizeof records);
    Put(bytes.data() + 28, &exit, sizeof exit);
    return bytes;
}

D3DEXECUTEDATA RenderStateExecuteData() {
    D3DEXECUTEDATA data{};
    data.dwSize = sizeof data;
    data.dwInstructionOffset = 0;
    data.dwInstructionLength = 32;
    return data;
}

HRESULT ExecuteRenderState(IDirect3DDevice* device, std::uint32_t state, std::uint32_t value) {
    if (device == nullptr) {
        return E_INVALIDARG;
    }
    RefPtr<IDirect3DViewport> viewport;
    HRESULT result = D3D_OK;
    try {
        result = device->NextViewport(nullptr, viewport, D3DNEXT_HEAD);
    } catch (...) {
        return D3DRMERR_NOTDONEYET;
    }
    if (Failed(result)) {
        return result;
    }
    D3DEXECUTEBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = D3DDEB_BUFSIZE;
    desc.dwBufferSize = 32;
    RefPtr<IDirect3DExecuteBuffer> buffer;
    result = device->CreateExecuteBuffer(&desc, buffer);
    if (Failed(result)) {
        return result;
    }
    result = buffer->Lock(&desc);
    if (Failed(result)) {
        return result;
    }
    const std::array<std::uint8_t, 32> bytes = RenderStateInstructions(state, value);
    std::memcpy(desc.lpData, bytes.data(), bytes.size());
    result = buffer->Unlock();
    if (Failed(result)) {
        return result;
    }
    const D3DEXECUTEDATA data = RenderStateExecuteData();
    // Setting the execute data is not examined: the record is always the same, valid one.
    (void)buffer->SetExecuteData(&data);
    result = device->BeginScene();
    if (Failed(result)) {
        return result;
    }
    result = device->Execute(buffer.get(), viewport.get(), D3DEXECUTE_UNCLIPPED);
    // A scene that was begun is always ended, so the device can begin the next one.
    const HRESULT ended = device->EndScene();
    return Failed(result) ? result : ended;
}

void ClearFrame(IDirect3DRMFrame* frame) {
    ClearFrameContents(frame);
}

QString ObjectName(const IDirect3DRMObject* object) {
    if (object == nullptr) {
        return {};
    }
    char name[kNameSize] = {};
    std::uint32_t size = sizeof name;
    // Not examined: a longer name comes back cut to the buffer, which is the name shown.
    (void)object->GetName(&size, name);
    return QString::fromUtf8(name);
}

} // namespace qor
