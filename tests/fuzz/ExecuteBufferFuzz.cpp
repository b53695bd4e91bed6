// Fuzz target: the execute-buffer interpreter of the immediate-mode device, on a real device
// (it needs an X display: run under xvfb-run).
// Input, little-endian: one byte of choices (bit 0: no BeginScene; bit 1: the buffer is left
// locked; bit 2: execute flags that are not valid; bit 3: a viewport of another device;
// bit 4: clipped rather than unclipped), the buffer size, the instruction offset and the
// instruction length (32 bits each), then the buffer's bytes from its start.
// The stream is well formed when the call is valid (a buffer of 1 to 64 KiB, unlocked, inside a
// scene, on a viewport of the device, with valid flags and an instruction range inside the
// buffer) and the range holds, from its start, render-state instructions (opcode 8, records of
// 8 bytes, all inside the range) whose every record sets a state the device knows to a value
// it takes, ended by an exit instruction (opcode 11). Then Execute succeeds and the render
// states change as the records say, in order; otherwise it fails and no render state changes.
#include "FuzzCheck.h"

#include "engine/RetainedMode.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using namespace qor;
using qor::fuzz::Check;

constexpr std::size_t kHeaderBytes = 13;

struct Record {
    std::uint32_t state;
    std::uint32_t value;
};

// The four states in the order of a snapshot, and their values before any buffer sets them.
constexpr std::array<std::uint32_t, 4> kStates = {D3DRENDERSTATE_CULLMODE, D3DRENDERSTATE_ZENABLE,
                                                  D3DRENDERSTATE_ZWRITEENABLE,
                                                  D3DRENDERSTATE_ZFUNC};
constexpr std::array<std::uint32_t, 4> kRetainedValues = {3, 1, 1, 4};

struct Snapshot {
    std::array<std::uint32_t, 4> stored;
    std::array<bool, 4> overridden;
    std::array<std::uint32_t, 4> effective;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const RenderStates& states) {
    Snapshot s{};
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        s.stored[i] = states.Stored(kStates[i]);
        s.overridden[i] = states.Overridden(kStates[i]);
        s.effective[i] = states.Effective(kStates[i]);
    }
    return s;
}

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The index of a state in kStates, or -1.
int IndexOf(std::uint32_t state) {
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        if (kStates[i] == state) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool Takes(std::uint32_t state, std::uint32_t value) {
    if (state >= 256) {
        return IndexOf(state - 256) >= 0; // an override: on for any value but 0
    }
    switch (state) {
    case D3DRENDERSTATE_CULLMODE:
        return value >= 1 && value <= 3; // none, clockwise, counter-clockwise
    case D3DRENDERSTATE_ZENABLE:
    case D3DRENDERSTATE_ZWRITEENABLE:
        return value <= 1;
    case D3DRENDERSTATE_ZFUNC:
        return value >= 1 && value <= 8; // never .. always
    default:
        return false;
    }
}

// The records of a well-formed instruction range, or nothing.
std::optional<std::vector<Record>> WellFormedRecords(const std::uint8_t* p, std::size_t length) {
    std::vector<Record> records;
    std::size_t at = 0;
    while (length - at >= 4) {
        const std::uint8_t opcode = p[at];
        const std::uint8_t recordSize = p[at + 1];
        const std::size_t count = p[at + 2] | static_cast<std::size_t>(p[at + 3]) << 8;
        at += 4;
        if (opcode == 11) {
            return records;
        }
        if (opcode != 8 || recordSize != 8 || (length - at) / 8 < count) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < count; ++i, at += 8) {
            const Record record{Le32(p + at), Le32(p + at + 4)};
            if (!Takes(record.state, record.value)) {
                return std::nullopt;
            }
            records.push_back(record);
        }
    }
    return std::nullopt;
}

Snapshot Applied(Snapshot s, const std::vector<Record>& records) {
    for (const Record& r : records) {
        if (r.state >= 256) {
            s.overridden[IndexOf(r.state - 256)] = r.value != 0;
        } else {
            s.stored[IndexOf(r.state)] = r.value;
        }
    }
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        s.effective[i] = s.overridden[i] ? s.stored[i] : kRetainedValues[i];
    }
    return s;
}

// A device with one viewport, and the immediate-mode view of both.
struct DeviceWithViewport {
    RefPtr<IDirect3DRMDevice> device;
    RefPtr<IDirect3DRMFrame> camera;
    RefPtr<IDirect3DRMViewport> viewport;
    RefPtr<IDirect3DDevice> d3d;
    RefPtr<IDirect3DViewport> head;

    DeviceWithViewport(IDirect3DRM& engine, IDirectDrawClipper& clipper, IDirect3DRMFrame& scene) {
        if (Failed(engine.CreateDeviceFromClipper(&clipper, nullptr, 8, 8, device))) {
            std::fprintf(stderr, "No OpenGL device: the target needs an X display (xvfb-run).\n");
            std::exit(1);
        }
        Check(Succeeded(engine.CreateFrame(&scene, camera)) &&
                  Succeeded(
                      engine.CreateViewport(device.get(), camera.get(), 0, 0, 8, 8, viewport)) &&
                  Succeeded(device->GetDirect3DDevice(d3d)) &&
                  Succeeded(d3d->NextViewport(nullptr, head, D3DNEXT_HEAD)),
              "a device with a viewport is set up");
    }
};

struct Engine {
    RefPtr<IDirect3DRM> engine;
    RefPtr<IDirectDraw> directDraw;
    RefPtr<IDirectDrawClipper> clipper;
    RefPtr<IDirect3DRMFrame> scene;
    std::optional<DeviceWithViewport> own;
    std::optional<DeviceWithViewport> other;

    Engine() {
        Check(Succeeded(Direct3DRMCreate(engine)) &&
                  Succeeded(DirectDrawCreate(nullptr, directDraw)) &&
                  Succeeded(directDraw->CreateClipper(0, clipper)) &&
                  Succeeded(engine->CreateFrame(nullptr, scene)),
              "the engine, a clipper and a scene are set up");
        own.emplace(*engine, *clipper, *scene);
        other.emplace(*engine, *clipper, *scene);
    }
};

Engine* engine = nullptr;
QGuiApplication* application = nullptr;

// The devices go before the application, and both before the engine's context, which is a static
// of the program and outlives this handler.
void Finish() {
    delete engine;
    delete application;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_execute_buffer";
    static char* argv[] = {name, nullptr};
    application = new QGuiApplication(argc, argv);
    engine = new Engine;
    std::atexit(Finish);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) {
        return 0;
    }
    const std::uint8_t choices = data[0];
    const std::uint32_t bufferSize = Le32(data + 1);
    std::uint32_t offset = Le32(data + 5);
    std::uint32_t length = Le32(data + 9);
    const std::uint8_t* bytes = data + kHeaderBytes;
    const std::size_t byteCount = size - kHeaderBytes;

    IDirect3DDevice& d3d = *engine->own->d3d;
    engine->own->device->States() = RenderStates{};

    D3DEXECUTEBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = D3DDEB_BUFSIZE;
    desc.dwBufferSize = bufferSize;
    RefPtr<IDirect3DExecuteBuffer> buffer;
    const bool sizeTaken = bufferSize >= 1 && bufferSize <= IDirect3DExecuteBuffer::kMaxSize;
    Check(Succeeded(d3d.CreateExecuteBuffer(&desc, buffer)) == sizeTaken,
          "a device makes buffers of 1 byte to 64 KiB, and no others");
    if (!sizeTaken) {
        return 0;
    }

    D3DEXECUTEBUFFERDESC locked{};
    locked.dwSize = sizeof locked;
    Check(buffer->Lock(&locked) == D3D_OK && locked.dwBufferSize == bufferSize &&
              locked.lpData != nullptr,
          "a new buffer locks and gives its memory");
    std::vector<std::uint8_t> image(bufferSize, 0);
    std::memcpy(image.data(), bytes, std::min<std::size_t>(byteCount, bufferSize));
    std::memcpy(locked.lpData, image.data(), image.size());
    const bool leftLocked = (choices & 2) != 0;
    if (!leftLocked) {
        Check(buffer->Unlock() == D3D_OK, "a locked buffer unlocks");
    }

    D3DEXECUTEDATA executeData{};
    executeData.dwSize = sizeof executeData;
    executeData.dwInstructionOffset = offset;
    executeData.dwInstructionLength = length;
    const bool rangeInside = offset <= bufferSize && length <= bufferSize - offset;
    Check(Succeeded(buffer->SetExecuteData(&executeData)) == rangeInside,
          "the execute data is taken when its range lies inside the buffer");
    if (!rangeInside) {
        offset = 0; // the buffer keeps its empty range
        length = 0;
    }

    const bool inScene = (choices & 1) == 0;
    const bool validFlags = (choices & 4) == 0;
    const bool ownViewport = (choices & 8) == 0;
    const std::uint32_t flags =
        validFlags            ? ((choices & 16) != 0 ? D3DEXECUTE_CLIPPED : D3DEXECUTE_UNCLIPPED)
        : (choices & 16) != 0 ? 0u
                              : 3u;
    IDirect3DViewport* viewport = ownViewport ? engine->own->head.get() : engine->other->head.get();

    const Snapshot before = Take(engine->own->device->States());
    if (inScene) {
        Check(d3d.BeginScene() == D3D_OK, "a scene begins");
    }
    const HRESULT result = d3d.Execute(buffer.get(), viewport, flags);
    if (inScene) {
        Check(d3d.EndScene() == D3D_OK, "a begun scene ends");
    }
    const Snapshot after = Take(engine->own->device->States());

    const std::optional<std::vector<Record>> records =
        WellFormedRecords(image.data() + offset, length);
    const bool wellFormed =
        !leftLocked && inScene && validFlags && ownViewport && records.has_value();
    Check(Succeeded(result) == wellFormed, "Execute succeeds exactly on a well-formed stream");
    if (wellFormed) {
        Check(after == Applied(before, *records), "the records set the states, in order");
    } else {
        Check(after == before, "a stream that is not well formed changes no render state");
    }
    return 0;
}
