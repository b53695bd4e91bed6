// Uploading meshes and textures.
#include "engine/GpuMeshCache.h"

#include <cstddef>

namespace qor {

GpuMeshCache::~GpuMeshCache() {
    for (auto& [id, mesh] : meshes_) {
        Free(mesh);
    }
}

const GpuMesh& GpuMeshCache::Get(std::uint64_t id, const MeshData& mesh) {
    const auto found = meshes_.find(id);
    if (found != meshes_.end()) {
        return found->second;
    }
    return meshes_.emplace(id, Upload(mesh)).first->second;
}

void GpuMeshCache::Forget(std::uint64_t id) {
    const auto found = meshes_.find(id);
    if (found != meshes_.end()) {
        Free(found->second);
        meshes_.erase(found);
    }
}

GpuMesh GpuMeshCache::Upload(const MeshData& mesh) {
    ++uploads_;
    GpuMesh gpu;
    gpu.triangles = mesh.TriangleCount();
    gl_.glGenVertexArrays(1, &gpu.vertexArray);
    gl_.glBindVertexArray(gpu.vertexArray);
    gl_.glGenBuffers(1, &gpu.vertexBuffer);
    gl_.glBindBuffer(GL_ARRAY_BUFFER, gpu.vertexBuffer);
    gl_.glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(mesh.vertices.size() * sizeof(MeshVertex)),
                     mesh.vertices.data(), GL_STATIC_DRAW);
    gl_.glGenBuffers(1, &gpu.indexBuffer);
    gl_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gpu.indexBuffer);
    gl_.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(mesh.indices.size() * sizeof(std::uint32_t)),
                     mesh.indices.data(), GL_STATIC_DRAW);
    const auto attribute = [this](GLuint index, GLint size, std::size_t offset) {
        gl_.glEnableVertexAttribArray(index);
        gl_.glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                                  reinterpret_cast<const void*>(offset));
    };
    attribute(0, 3, offsetof(MeshVertex, position));
    attribute(1, 3, offsetof(MeshVertex, normal));
    attribute(2, 2, offsetof(MeshVertex, uv));
    gl_.glBindVertexArray(0);

    for (const MeshRange& range : mesh.ranges) {
        GpuRange gpuRange{static_cast<GLsizei>(range.count), range.first * sizeof(std::uint32_t),
                          range.material, 0};
        const QImage& image = mesh.materials[range.material].texture;
        if (!image.isNull()) {
            gl_.glGenTextures(1, &gpuRange.texture);
            gl_.glBindTexture(GL_TEXTURE_2D, gpuRange.texture);
            // Row 0 of the image is texture coordinate v = 0, as in the model files.
            gl_.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
            gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width(), image.height(), 0, GL_RGBA,
                             GL_UNSIGNED_BYTE, image.constBits());
            gl_.glGenerateMipmap(GL_TEXTURE_2D);
            gl_.glBindTexture(GL_TEXTURE_2D, 0);
        }
        gpu.ranges.push_back(gpuRange);
    }
    return gpu;
}

void GpuMeshCache::Free(GpuMesh& mesh) {
    for (const GpuRange& range : mesh.ranges) {
        if (range.texture != 0) {
            gl_.glDeleteTextures(1, &range.texture);
        }
    }
    gl_.glDeleteBuffers(1, &mesh.vertexBuffer);
    gl_.glDeleteBuffers(1, &mesh.indexBuffer);
    gl_.glDeleteVertexArrays(1, &mesh.vertexArray);
}

} // namespace qor
