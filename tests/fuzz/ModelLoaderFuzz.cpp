// Fuzz target: the model loader on any file, meant to be mutated from the model set (whole
// files and files cut short). The input is the file. Loading gives a failure code and leaves
// the mesh as it was, or gives a mesh whose triangles, ranges and materials fit together;
// never a crash, and never a leak (the leak checker runs after every input).
#include "FuzzCheck.h"

#include "engine/ModelLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

using qor::fuzz::Check;

const QString& ModelPath() {
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/qor-fuzz-XXXXXX"));
    static const QString path = folder.filePath(QStringLiteral("model.x"));
    Check(folder.isValid(), "the fuzz target has a temporary folder");
    return path;
}

void CheckMesh(const qor::MeshData& mesh) {
    Check(!mesh.indices.empty() && mesh.indices.size() % 3 == 0,
          "a loaded mesh has whole triangles");
    for (const std::uint32_t index : mesh.indices) {
        Check(index < mesh.vertices.size(), "every triangle corner is a vertex of the mesh");
    }
    Check(mesh.ranges.size() == mesh.materials.size(), "one range per material");
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < mesh.ranges.size(); ++i) {
        const qor::MeshRange& range = mesh.ranges[i];
        Check(range.first == next && range.count > 0 && range.count % 3 == 0 && range.material == i,
              "the ranges cover the triangles in order, material by material");
        next += range.count;
    }
    Check(next == mesh.indices.size(), "the ranges cover every triangle");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString& path = ModelPath();
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                      static_cast<qint64>(size),
              "the fuzz target can write its file");
    }
    // A mesh that a failed load must leave alone.
    qor::MeshData mesh;
    mesh.vertices.resize(1);
    mesh.vertices[0].position = {1, 2, 3};
    const qor::HRESULT result = qor::LoadModelFile(path, nullptr, mesh);
    if (result == qor::D3DRM_OK) {
        CheckMesh(mesh);
        return 0;
    }
    Check(result == qor::D3DRMERR_BADFILE || result == qor::D3DRMERR_NOTFOUND,
          "a file that is there fails as a bad file or as one without triangles");
    Check(mesh.vertices.size() == 1 && mesh.vertices[0].position[2] == 3 && mesh.indices.empty() &&
              mesh.materials.empty(),
          "a failed load leaves the mesh as it was");
    return 0;
}
