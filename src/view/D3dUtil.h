// Free functions around the engine: result-code failure box, render-state forcing, emptying a
// frame and reading an object's name.
#pragma once

#include "engine/ExecuteTypes.h"
#include "engine/Results.h"
#include "view/ResultCodeNames.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qor {

class IDirect3DDevice;
class IDirect3DRMDevice;
class IDirect3DRMFrame;
class IDirect3DRMObject;

// The failure text "<source> (<line>): <code text>\n<expression>\nВы согласны отменить
// выполнение ?", whole whatever its length.
QString FailureText(const QString& source, int line, HRESULT code, const QString& expression);

// Writes the failure text as a "Trace" message of module D3DUTIL\d3dutil, line 42, and asks in
// the box "Неудачный результат HRESULT" whether to end the program. Yes ends the process with
// exit code 0; No returns.
void ReportFailure(const QString& source, int line, HRESULT code, const QString& expression);

// Forces a render state on the Direct3D device behind a retained-mode device. E_INVALIDARG
// without a device.
[[nodiscard]] HRESULT SetRenderState(IDirect3DRMDevice* device, std::uint32_t state,
                                     std::uint32_t value);

// Runs a one-shot execute buffer on the device's first viewport that turns the state's
// override off, sets the state, and turns the override on. E_INVALIDARG without a device; else
// the first failure, or the last success.
[[nodiscard]] HRESULT ExecuteRenderState(IDirect3DDevice* device, std::uint32_t state,
                                         std::uint32_t value);

// The 32 bytes of that buffer: a render-state instruction with three records, then exit.
std::array<std::uint8_t, 32> RenderStateInstructions(std::uint32_t state, std::uint32_t value);
// Its execute data: all zero but the size (48), offset 0 and length 32.
D3DEXECUTEDATA RenderStateExecuteData();

// Deletes every light, visual and child frame of the frame (children are only detached). A
// failed call is reported with ReportFailure and ends the clearing there. Nothing for null.
void ClearFrame(IDirect3DRMFrame* frame);

// The object's name, at most 255 bytes of it, or an empty text for no object.
QString ObjectName(const IDirect3DRMObject* object);

} // namespace qor
