// Result codes of the engine: 32-bit values, negative on failure, with the names that the
// failure messages show (the result-code name table).
#pragma once

#include <cstdint>

namespace qor {

using HRESULT = std::int32_t;

// The facility of DirectDraw and the retained-mode engine: 0x8876xxxx.
constexpr HRESULT MakeDdHResult(std::uint32_t code) {
    return static_cast<HRESULT>(0x88760000u | code);
}

constexpr bool Succeeded(HRESULT code) {
    return code >= 0;
}
constexpr bool Failed(HRESULT code) {
    return code < 0;
}

constexpr HRESULT DD_OK = 0;
constexpr HRESULT D3D_OK = 0;
constexpr HRESULT D3DRM_OK = 0;

// General codes that DirectDraw shares with the system.
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u); // E_INVALIDARG
constexpr HRESULT E_INVALIDARG = DDERR_INVALIDPARAMS;
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DDERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u); // E_NOTIMPL
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);     // E_FAIL

constexpr HRESULT DDERR_ALREADYINITIALIZED = MakeDdHResult(5);
constexpr HRESULT DDERR_INVALIDOBJECT = MakeDdHResult(130);
constexpr HRESULT DDERR_NOTFOUND = MakeDdHResult(255);
constexpr HRESULT DDERR_SURFACEBUSY = MakeDdHResult(430);
constexpr HRESULT DDERR_INVALIDDIRECTDRAWGUID = MakeDdHResult(561);
constexpr HRESULT DDERR_NOTLOCKED = MakeDdHResult(584);

constexpr HRESULT D3DRMERR_BADOBJECT = MakeDdHResult(781);
constexpr HRESULT D3DRMERR_BADTYPE = MakeDdHResult(782);
constexpr HRESULT D3DRMERR_BADALLOC = MakeDdHResult(783);
constexpr HRESULT D3DRMERR_FACEUSED = MakeDdHResult(784);
constexpr HRESULT D3DRMERR_NOTFOUND = MakeDdHResult(785);
constexpr HRESULT D3DRMERR_NOTDONEYET = MakeDdHResult(786);
constexpr HRESULT D3DRMERR_FILENOTFOUND = MakeDdHResult(787);
constexpr HRESULT D3DRMERR_BADFILE = MakeDdHResult(788);
constexpr HRESULT D3DRMERR_BADDEVICE = MakeDdHResult(789);
constexpr HRESULT D3DRMERR_BADVALUE = MakeDdHResult(790);
constexpr HRESULT D3DRMERR_UNABLETOEXECUTE = MakeDdHResult(793);

} // namespace qor
