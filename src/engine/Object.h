// Base of every engine object: a reference count, a name, an identity of its own, and the
// process-wide count of live objects that tests use to prove that a scene was freed.
#pragma once

#include "engine/Results.h"

#include <cstdint>
#include <string>

namespace qor {

class IDirect3DRMObject {
public:
    IDirect3DRMObject(const IDirect3DRMObject&) = delete;
    IDirect3DRMObject& operator=(const IDirect3DRMObject&) = delete;

    std::uint32_t AddRef();
    // Drops one reference; the object is destroyed with the last one. Returns the count left.
    std::uint32_t Release();

    // A null name clears it.
    [[nodiscard]] HRESULT SetName(const char* name);
    // In: *size is the capacity of buffer. Out: *size is the length of the name plus its
    // terminating zero. A null buffer asks for the size only; a buffer that is too small gets
    // as much of the name as fits, terminated, and the result D3DRMERR_BADVALUE.
    [[nodiscard]] HRESULT GetName(std::uint32_t* size, char* buffer) const;

    // Engine objects alive in the process.
    static std::int64_t LiveObjectCount();

    // The object's identity: a number that no other object of the process has had or will get,
    // unlike its address, which an object made after this one is gone may reuse.
    std::uint64_t Serial() const { return serial_; }

protected:
    IDirect3DRMObject();
    virtual ~IDirect3DRMObject();

private:
    std::uint32_t references_ = 1;
    std::uint64_t serial_;
    std::string name_;
};

} // namespace qor
