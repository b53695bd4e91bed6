// Mesh builders.
#include "engine/MeshBuilder.h"

#include "engine/Device.h"
#include "engine/ModelLoader.h"
#include "engine/Types.h"

namespace qor {

namespace {
std::uint64_t NewGeometryId() {
    static std::uint64_t last = 0;
    return ++last;
}
} // namespace

IDirect3DRMMeshBuilder::IDirect3DRMMeshBuilder() : geometryId_(NewGeometryId()) {}

IDirect3DRMMeshBuilder::~IDirect3DRMMeshBuilder() {
    IDirect3DRMDevice::ForgetGeometry(geometryId_);
}

HRESULT IDirect3DRMMeshBuilder::Load(const char* fileName, const char* objectName,
                                     std::uint32_t flags) {
    if (flags != D3DRMLOAD_FROMFILE) {
        return D3DRMERR_BADVALUE;
    }
    if (fileName == nullptr) {
        return D3DRMERR_FILENOTFOUND;
    }
    const HRESULT result = LoadModelFile(QString::fromUtf8(fileName), objectName, mesh_);
    if (Succeeded(result)) {
        IDirect3DRMDevice::ForgetGeometry(geometryId_);
        geometryId_ = NewGeometryId();
    }
    return result;
}

std::uint32_t IDirect3DRMMeshBuilder::GetVertexCount() const {
    return static_cast<std::uint32_t>(mesh_.vertices.size());
}

std::uint32_t IDirect3DRMMeshBuilder::GetFaceCount() const {
    return mesh_.TriangleCount();
}

const MeshData* IDirect3DRMMeshBuilder::Geometry() const {
    return mesh_.indices.empty() ? nullptr : &mesh_;
}

} // namespace qor
