// Model files through assimp.
#include "engine/ModelLoader.h"

#include "engine/XTextCheck.h"

#include <QDir>
#include <QFileInfo>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

namespace qor {

namespace {

// assimp's .x importer turns the file into right-handed coordinates (it mirrors z, reverses the
// winding and turns v into 1 - v); MakeLeftHanded, FlipWindingOrder and FlipUVs undo exactly
// that, so the mesh keeps the file's own numbers.
constexpr unsigned kImportFlags = aiProcess_Triangulate | aiProcess_SortByPType |
                                  aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder |
                                  aiProcess_FlipUVs | aiProcess_ValidateDataStructure;
// Run once the mesh is back in the file's convention: assimp makes a normal from
// (v1 - v0) x (v2 - v0), which for a clockwise front face in left-handed coordinates points
// out of the front.
constexpr unsigned kAfterImportFlags = aiProcess_GenSmoothNormals | aiProcess_JoinIdenticalVertices;

// Edges sharper than this keep separate normals when normals are made.
constexpr float kSmoothingAngleDegrees = 80.0f;

std::array<float, 3> Rgb(const aiColor4D& c) {
    return {c.r, c.g, c.b};
}

MeshMaterial ReadMaterial(const aiMaterial& source, const QDir& folder) {
    MeshMaterial material;
    aiColor4D color;
    if (source.Get(AI_MATKEY_COLOR_DIFFUSE, color) == aiReturn_SUCCESS) {
        material.diffuse = {color.r, color.g, color.b, color.a};
    }
    float opacity = 1;
    if (source.Get(AI_MATKEY_OPACITY, opacity) == aiReturn_SUCCESS) {
        material.diffuse[3] = opacity;
    }
    if (source.Get(AI_MATKEY_COLOR_SPECULAR, color) == aiReturn_SUCCESS) {
        material.specular = Rgb(color);
    }
    if (source.Get(AI_MATKEY_COLOR_EMISSIVE, color) == aiReturn_SUCCESS) {
        material.emissive = Rgb(color);
    }
    float power = 0;
    if (source.Get(AI_MATKEY_SHININESS, power) == aiReturn_SUCCESS && power > 0) {
        material.power = power;
    }
    aiString texture;
    if (source.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == aiReturn_SUCCESS) {
        // A texture that cannot be read leaves the material plain: the model is still shown.
        const QString name = QString::fromUtf8(texture.C_Str()).replace(QLatin1Char('\\'), '/');
        const QImage image(folder.filePath(name));
        if (!image.isNull()) {
            material.texture = image.convertToFormat(QImage::Format_RGBA8888);
        }
    }
    return material;
}

struct Collector {
    const aiScene& scene;
    MeshData& mesh;
    // Triangles gathered per material before they are laid out material by material.
    std::vector<std::vector<std::uint32_t>> trianglesByMaterial;

    void AddNode(const aiNode& node, const aiMatrix4x4& parent) {
        const aiMatrix4x4 transform = parent * node.mTransformation;
        aiMatrix3x3 normals(transform);
        normals.Inverse().Transpose();
        for (unsigned i = 0; i < node.mNumMeshes; ++i) {
            AddMesh(*scene.mMeshes[node.mMeshes[i]], transform, normals);
        }
        for (unsigned i = 0; i < node.mNumChildren; ++i) {
            AddNode(*node.mChildren[i], transform);
        }
    }

    void AddMesh(const aiMesh& source, const aiMatrix4x4& transform, const aiMatrix3x3& normals) {
        if ((source.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) == 0) {
            return;
        }
        const auto base = static_cast<std::uint32_t>(mesh.vertices.size());
        for (unsigned i = 0; i < source.mNumVertices; ++i) {
            MeshVertex vertex;
            const aiVector3D p = transform * source.mVertices[i];
            vertex.position = {p.x, p.y, p.z};
            if (source.HasNormals()) {
                aiVector3D n = normals * source.mNormals[i];
                n.NormalizeSafe();
                vertex.normal = {n.x, n.y, n.z};
            }
            if (source.HasTextureCoords(0)) {
                vertex.uv = {source.mTextureCoords[0][i].x, source.mTextureCoords[0][i].y};
            }
            mesh.vertices.push_back(vertex);
        }
        std::vector<std::uint32_t>& triangles = trianglesByMaterial[source.mMaterialIndex];
        for (unsigned i = 0; i < source.mNumFaces; ++i) {
            const aiFace& face = source.mFaces[i];
            if (face.mNumIndices == 3) {
                for (unsigned k = 0; k < 3; ++k) {
                    triangles.push_back(base + face.mIndices[k]);
                }
            }
        }
    }
};

} // namespace

HRESULT LoadModelFile(const QString& path, const char* objectName, MeshData& mesh) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        return D3DRMERR_FILENOTFOUND;
    }
    if (file.size() == 0 || file.size() > kMaxModelFileBytes) {
        return D3DRMERR_BADFILE;
    }
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        return D3DRMERR_FILENOTFOUND;
    }
    // QIODevice::read reserves the whole size asked for: ask for the size found above and one
    // byte more, so that a file that grew since is refused rather than read in part.
    const QByteArray bytes = input.read(file.size() + 1);
    if (bytes.size() != file.size() || !IsPlausibleXText(bytes)) {
        return D3DRMERR_BADFILE;
    }
    Assimp::Importer importer;
    importer.SetPropertyFloat(AI_CONFIG_PP_GSN_MAX_SMOOTHING_ANGLE, kSmoothingAngleDegrees);
    const aiScene* scene = importer.ReadFileFromMemory(
        bytes.constData(), static_cast<std::size_t>(bytes.size()), kImportFlags, "x");
    if (scene != nullptr) {
        scene = importer.ApplyPostProcessing(kAfterImportFlags);
    }
    if (scene == nullptr || scene->mRootNode == nullptr ||
        (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) != 0) {
        return D3DRMERR_BADFILE;
    }
    // A name picks one frame of the file, with everything below it.
    const aiNode* start = scene->mRootNode;
    if (objectName != nullptr && *objectName != '\0') {
        start = scene->mRootNode->FindNode(objectName);
        if (start == nullptr) {
            return D3DRMERR_NOTFOUND;
        }
    }
    // The transform of the chosen node's ancestors places it as the file does.
    aiMatrix4x4 above;
    for (const aiNode* node = start->mParent; node != nullptr; node = node->mParent) {
        above = node->mTransformation * above;
    }
    MeshData result;
    Collector collector{*scene, result,
                        std::vector<std::vector<std::uint32_t>>(scene->mNumMaterials)};
    collector.AddNode(*start, above);
    const QDir folder = file.absoluteDir();
    for (unsigned m = 0; m < scene->mNumMaterials; ++m) {
        std::vector<std::uint32_t>& triangles = collector.trianglesByMaterial[m];
        if (triangles.empty()) {
            continue;
        }
        const MeshRange range{static_cast<std::uint32_t>(result.indices.size()),
                              static_cast<std::uint32_t>(triangles.size()),
                              static_cast<std::uint32_t>(result.materials.size())};
        result.materials.push_back(ReadMaterial(*scene->mMaterials[m], folder));
        result.indices.insert(result.indices.end(), triangles.begin(), triangles.end());
        result.ranges.push_back(range);
    }
    if (result.indices.empty()) {
        return D3DRMERR_NOTFOUND;
    }
    mesh = std::move(result);
    return D3DRM_OK;
}

} // namespace qor
