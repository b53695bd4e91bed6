#include "ModelReader.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <stdexcept>

namespace qor::modelgen {

namespace {

Rgb ColourOf(const aiMaterial& material, const char* key, unsigned type, unsigned index) {
    aiColor3D colour(0, 0, 0);
    material.Get(key, type, index, colour);
    return {colour.r, colour.g, colour.b};
}

Material MaterialOf(const aiMaterial& source) {
    Material m;
    aiString name;
    if (source.Get(AI_MATKEY_NAME, name) == AI_SUCCESS)
        m.name = name.C_Str();
    m.diffuse = ColourOf(source, AI_MATKEY_COLOR_DIFFUSE);
    m.specular = ColourOf(source, AI_MATKEY_COLOR_SPECULAR);
    m.emissive = ColourOf(source, AI_MATKEY_COLOR_EMISSIVE);
    float power = 0;
    source.Get(AI_MATKEY_SHININESS, power);
    m.power = power;
    float alpha = 1;
    source.Get(AI_MATKEY_OPACITY, alpha);
    m.alpha = alpha;
    aiString texture;
    if (source.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS)
        m.texture = texture.C_Str();
    return m;
}

Vec3 ToVec3(const aiVector3D& v) {
    return {v.x, v.y, v.z};
}

void CollectNode(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
                 LoadedModel& model) {
    const aiMatrix4x4 transform = parent * node.mTransformation;
    aiMatrix3x3 turn(transform);
    turn.Inverse().Transpose(); // normals follow the inverse transpose
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        LoadedPart part;
        part.material = MaterialOf(*scene.mMaterials[mesh.mMaterialIndex]);
        part.hasNormals = mesh.HasNormals();
        part.hasTextureCoordinates = mesh.HasTextureCoords(0);
        for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
            Vertex v;
            v.position = ToVec3(transform * mesh.mVertices[i]);
            if (part.hasNormals)
                v.normal = ToVec3((turn * mesh.mNormals[i]).Normalize());
            if (part.hasTextureCoordinates) {
                v.u = mesh.mTextureCoords[0][i].x;
                v.v = mesh.mTextureCoords[0][i].y;
            }
            part.vertices.push_back(v);
        }
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (face.mNumIndices == 3)
                part.triangles.push_back({face.mIndices[0], face.mIndices[1], face.mIndices[2]});
        }
        model.parts.push_back(std::move(part));
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c)
        CollectNode(scene, *node.mChildren[c], transform, model);
}

} // namespace

unsigned ModelImportFlags() {
    return aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder | aiProcess_Triangulate;
}

LoadedModel ReadModel(const std::string& path) {
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, ModelImportFlags());
    if (scene == nullptr || scene->mRootNode == nullptr)
        throw std::runtime_error(path + ": " + importer.GetErrorString());
    LoadedModel model;
    CollectNode(*scene, *scene->mRootNode, aiMatrix4x4(), model);
    return model;
}

} // namespace qor::modelgen
