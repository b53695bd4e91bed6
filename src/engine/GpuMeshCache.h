// A device's GPU copies of meshes and their textures: made the first time a mesh is drawn,
// reused on every later frame, dropped when the mesh's geometry goes away or with the device.
// Each copy holds the mesh's triangles twice: as the file has them, and with a vertex of their
// own for flat lighting. Every call needs the engine's context current.
#pragma once

#include "engine/MeshData.h"

#include <QOpenGLFunctions_3_3_Core>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace qor {

struct GpuRange {
    GLsizei count = 0;
    std::uintptr_t offset = 0;     // in bytes, into the index buffer
    std::uintptr_t flatOffset = 0; // the same triangles lit once per face (FlatFaces.h)
    std::uint32_t material = 0;
    GLuint texture = 0; // 0 when the material has none
};

struct GpuMesh {
    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    std::vector<GpuRange> ranges;
    std::uint32_t triangles = 0;
};

class GpuMeshCache {
public:
    explicit GpuMeshCache(QOpenGLFunctions_3_3_Core& gl) : gl_(gl) {}
    GpuMeshCache(const GpuMeshCache&) = delete;
    GpuMeshCache& operator=(const GpuMeshCache&) = delete;
    ~GpuMeshCache();

    // The GPU copy of a geometry, uploaded now if this is its first draw.
    const GpuMesh& Get(std::uint64_t id, const MeshData& mesh);
    void Forget(std::uint64_t id);
    bool Has(std::uint64_t id) const { return meshes_.count(id) != 0; }
    std::size_t Size() const { return meshes_.size(); }
    // Meshes uploaded since the cache was made.
    std::size_t Uploads() const { return uploads_; }

private:
    GpuMesh Upload(const MeshData& mesh);
    // Uploads the image and all its smaller levels into the bound 2D texture.
    void UploadMipmapped(const QImage& image);
    void Free(GpuMesh& mesh);

    QOpenGLFunctions_3_3_Core& gl_;
    std::unordered_map<std::uint64_t, GpuMesh> meshes_;
    std::size_t uploads_ = 0;
};

} // namespace qor
