// The published layout of Direct3D execute buffers: descriptions, execute data, instruction
// headers and render-state records, all little-endian.
#pragma once

#include <cstdint>

namespace qor {

// Instruction header: opcode, size of each record that follows, number of records.
struct D3DINSTRUCTION {
    std::uint8_t bOpcode;
    std::uint8_t bSize;
    std::uint16_t wCount;
};
static_assert(sizeof(D3DINSTRUCTION) == 4);

enum : std::uint8_t {
    D3DOP_STATERENDER = 8, // records are D3DSTATE: render state and value
    D3DOP_EXIT = 11,       // end of the instruction stream
};

struct D3DSTATE {
    std::uint32_t dwState;
    std::uint32_t dwValue;
};
static_assert(sizeof(D3DSTATE) == 8);

// Render states that the engine honours, and the values they take.
enum : std::uint32_t {
    D3DRENDERSTATE_ZENABLE = 7,
    D3DRENDERSTATE_ZWRITEENABLE = 14,
    D3DRENDERSTATE_CULLMODE = 22,
    D3DRENDERSTATE_ZFUNC = 23,
    // State + this bias is the state's override: while on, the retained engine leaves the
    // state as the execute buffer set it.
    D3DSTATE_OVERRIDE_BIAS = 256,
};

enum : std::uint32_t {
    D3DCULL_NONE = 1,
    D3DCULL_CW = 2,  // leaves out faces that are clockwise on screen
    D3DCULL_CCW = 3, // leaves out faces that are counter-clockwise on screen (the back faces)
};

enum : std::uint32_t {
    D3DCMP_NEVER = 1,
    D3DCMP_LESS = 2,
    D3DCMP_EQUAL = 3,
    D3DCMP_LESSEQUAL = 4,
    D3DCMP_GREATER = 5,
    D3DCMP_NOTEQUAL = 6,
    D3DCMP_GREATEREQUAL = 7,
    D3DCMP_ALWAYS = 8,
};

enum : std::uint32_t {
    D3DDEB_BUFSIZE = 1, // dwBufferSize is valid
    D3DDEB_CAPS = 2,
    D3DDEB_LPDATA = 4,
};

// On the original 32-bit platform this record is 20 bytes; here lpData is a 64-bit pointer.
struct D3DEXECUTEBUFFERDESC {
    std::uint32_t dwSize;
    std::uint32_t dwFlags;
    std::uint32_t dwCaps;
    std::uint32_t dwBufferSize;
    void* lpData;
};

struct D3DRECT {
    std::int32_t x1;
    std::int32_t y1;
    std::int32_t x2;
    std::int32_t y2;
};

struct D3DSTATUS {
    std::uint32_t dwFlags;
    std::uint32_t dwStatus;
    D3DRECT drExtent;
};

struct D3DEXECUTEDATA {
    std::uint32_t dwSize;
    std::uint32_t dwVertexOffset;
    std::uint32_t dwVertexCount;
    std::uint32_t dwInstructionOffset;
    std::uint32_t dwInstructionLength;
    std::uint32_t dwHVertexOffset;
    D3DSTATUS dsStatus;
};
static_assert(sizeof(D3DEXECUTEDATA) == 48);

enum : std::uint32_t {
    D3DEXECUTE_CLIPPED = 1,
    D3DEXECUTE_UNCLIPPED = 2,
};

enum : std::uint32_t {
    D3DNEXT_NEXT = 1,
    D3DNEXT_HEAD = 2,
    D3DNEXT_TAIL = 4,
};

} // namespace qor
