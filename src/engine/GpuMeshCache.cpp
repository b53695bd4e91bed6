// Uploading meshes and textures.
#include "engine/GpuMeshCache.h"

#include "engine/FlatFaces.h"

#include <QImage>

#include <algorithm>
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

void GpuMeshCache::UploadMipmapped(const QImage& image) {
    // Row 0 of the image is texture coordinate v = 0, as in the model files.
    gl_.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // The smaller levels are averaged here rather than by glGenerateMipmap: a software driver
    // compiles a shader for that in every new context, which cost the first frame of each scene
    // more than all the rest of it. A texture is a few hundred pixels across, so this is cheap.
    QImage level = image;
    for (GLint index = 0;; ++index) {
        gl_.glTexImage2D(GL_TEXTURE_2D, index, GL_RGBA8, level.width(), level.height(), 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, level.constBits());
        if (level.width() == 1 && level.height() == 1) {
            break;
        }
        level = level
                    .scaled(std::max(1, level.width() / 2), std::max(1, level.height() / 2),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGBA8888);
    }
}

GpuMesh GpuMeshCache::Upload(const MeshData& mesh) {
    ++uploads_;
    GpuMesh gpu;
    gpu.triangles = mesh.TriangleCount();
    gl_.glGenVertexArrays(1, &gpu.vertexArray);
    gl_.glBindVertexArray(gpu.vertexArray);
    // The flat vertices begin with the mesh's own, so one vertex buffer serves both index lists:
    // the mesh's indices first, the flat ones after them.
    const FlatFaces flat = MakeFlatFaces(mesh);
    gl_.glGenBuffers(1, &gpu.vertexBuffer);
    gl_.glBindBuffer(GL_ARRAY_BUFFER, gpu.vertexBuffer);
    gl_.glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(flat.vertices.size() * sizeof(MeshVertex)),
                     flat.vertices.data(), GL_STATIC_DRAW);
    const std::size_t smoothBytes = mesh.indices.size() * sizeof(std::uint32_t);
    const std::size_t flatBytes = flat.indices.size() * sizeof(std::uint32_t);
    gl_.glGenBuffers(1, &gpu.indexBuffer);
    gl_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gpu.indexBuffer);
    gl_.glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(smoothBytes + flatBytes),
                     nullptr, GL_STATIC_DRAW);
    gl_.glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(smoothBytes),
                        mesh.indices.data());
    gl_.glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(smoothBytes),
                        static_cast<GLsizeiptr>(flatBytes), flat.indices.data());
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
        const std::uintptr_t offset = range.first * sizeof(std::uint32_t);
        GpuRange gpuRange{static_cast<GLsizei>(range.count), offset, smoothBytes + offset,
                          range.material, 0};
        const QImage& image = mesh.materials[range.material].texture;
        if (!image.isNull()) {
            gl_.glGenTextures(1, &gpuRange.texture);
            gl_.glBindTexture(GL_TEXTURE_2D, gpuRange.texture);
            UploadMipmapped(image);
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
