// Loading model files: the file's own coordinates, winding, normals, texture coordinates and
// materials are kept; every kind of bad file fails with its code and changes nothing.
#include "XFiles.h"

#include "engine/MeshBuilder.h"
#include "engine/ModelLoader.h"
#include "engine/RefPtr.h"
#include "engine/Types.h"
#include "engine/XTextCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace qor {
namespace {

using test::XMaterial;

class ModelLoaderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(test::WriteFile(path, bytes));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ModelLoaderTest, KeepsTheFilesCoordinatesWindingAndTextureCoordinates) {
    XMaterial material;
    material.diffuse = {1, 0, 0, 1};
    MeshData mesh;
    ASSERT_EQ(LoadModelFile(Write("quad.x", test::QuadX(0.5f, material)), nullptr, mesh), D3DRM_OK);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    const std::array<std::array<float, 3>, 4> positions = {
        {{-1, -1, 0.5f}, {-1, 1, 0.5f}, {1, 1, 0.5f}, {1, -1, 0.5f}}};
    const std::array<std::array<float, 2>, 4> uvs = {{{0, 1}, {0, 0.25f}, {1, 0}, {1, 1}}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(mesh.vertices[i].position, positions[i]) << "vertex " << i;
        EXPECT_EQ(mesh.vertices[i].uv, uvs[i]) << "vertex " << i;
        EXPECT_EQ(mesh.vertices[i].normal, (std::array<float, 3>{0, 0, -1})) << "vertex " << i;
    }
    // The file's faces 0,1,2 and 0,2,3, clockwise seen from -z.
    EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));
    ASSERT_EQ(mesh.ranges.size(), 1u);
    EXPECT_EQ(mesh.ranges[0].count, 6u);
}

TEST_F(ModelLoaderTest, ReadsMaterialsAndTextureBesideTheFile) {
    ASSERT_TRUE(test::CheckerImage(16, 2).save(dir.filePath("grid.png")));
    XMaterial material;
    material.diffuse = {0.25f, 0.5f, 0.75f, 1};
    material.power = 12;
    material.specular = {0.5f, 0.5f, 0.5f};
    material.emissive = {0.1f, 0, 0};
    material.texture = "grid.png";
    MeshData mesh;
    ASSERT_EQ(LoadModelFile(Write("box.x", test::BoxX(1, material)), nullptr, mesh), D3DRM_OK);
    ASSERT_EQ(mesh.materials.size(), 1u);
    const MeshMaterial& read = mesh.materials[0];
    EXPECT_EQ(read.diffuse, material.diffuse);
    EXPECT_FLOAT_EQ(read.power, 12);
    EXPECT_EQ(read.specular, material.specular);
    EXPECT_EQ(read.emissive, material.emissive);
    EXPECT_EQ(read.texture.size(), QSize(16, 16));
    EXPECT_EQ(mesh.TriangleCount(), 12u);
}

TEST_F(ModelLoaderTest, MakesFlatNormalsWhereTheFileHasNone) {
    MeshData mesh;
    ASSERT_EQ(LoadModelFile(Write("box.x", test::BoxX(1, {})), nullptr, mesh), D3DRM_OK);
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3) {
        // Every corner of a box face carries that face's outward normal.
        const MeshVertex& a = mesh.vertices[mesh.indices[t]];
        for (int k = 1; k < 3; ++k) {
            EXPECT_EQ(mesh.vertices[mesh.indices[t + k]].normal, a.normal) << "triangle " << t / 3;
        }
        float outward = 0;
        for (int c = 0; c < 3; ++c) {
            outward += a.normal[c] * a.position[c];
        }
        EXPECT_GT(outward, 0.9f) << "triangle " << t / 3;
    }
}

TEST_F(ModelLoaderTest, LoadsOneFrameByName) {
    MeshData mesh;
    const QString path = Write("quad.x", test::QuadX(0, {}));
    EXPECT_EQ(LoadModelFile(path, "Root", mesh), D3DRM_OK);
    EXPECT_EQ(LoadModelFile(path, "Missing", mesh), D3DRMERR_NOTFOUND);
}

struct BadFile {
    const char* name;
    QByteArray bytes;
    HRESULT expected;
};

QByteArray Truncated() {
    const QByteArray whole = test::QuadX(0, {});
    return whole.left(whole.size() / 2);
}

QByteArray Garbage() {
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    return bytes;
}

// A few bytes that declare a billion vertices.
const QByteArray kHugeClaim = "xof 0302txt 0032\nFrame Root {\nMesh Body {\n1000000000;\n"
                              "1.0;1.0;1.0;,\n";

class BadFileTest : public ModelLoaderTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, FailsAndKeepsWhatTheMeshBuilderHad) {
    RefPtr<IDirect3DRMMeshBuilder> builder = MakeRef<IDirect3DRMMeshBuilder>();
    const QString good = Write("good.x", test::QuadX(0, {}));
    ASSERT_EQ(builder->Load(good.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE), D3DRM_OK);
    const std::uint64_t geometry = builder->GeometryId();
    const QString bad = Write("bad.x", GetParam().bytes);
    EXPECT_EQ(builder->Load(bad.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE),
              GetParam().expected);
    EXPECT_EQ(builder->GetVertexCount(), 4u);
    EXPECT_EQ(builder->GetFaceCount(), 2u);
    EXPECT_EQ(builder->GeometryId(), geometry);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(BadFile{"empty", QByteArray(), D3DRMERR_BADFILE},
                      BadFile{"truncated", Truncated(), D3DRMERR_BADFILE},
                      BadFile{"binary_garbage", Garbage(), D3DRMERR_BADFILE},
                      BadFile{"huge_count_in_a_small_file", kHugeClaim, D3DRMERR_BADFILE},
                      BadFile{"binary_x_format", "xof 0302bin 0032\x01\x02\x03\x04",
                              D3DRMERR_BADFILE},
                      BadFile{"header_only", "xof 0302txt 0032\n", D3DRMERR_BADFILE},
                      BadFile{"no_mesh", "xof 0302txt 0032\nFrame Root {\n}\n", D3DRMERR_BADFILE}),
    [](const auto& info) { return info.param.name; });

TEST_F(ModelLoaderTest, MissingFilesAndOtherSourcesAreRefused) {
    RefPtr<IDirect3DRMMeshBuilder> builder = MakeRef<IDirect3DRMMeshBuilder>();
    EXPECT_EQ(
        builder->Load(dir.filePath("none.x").toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE),
        D3DRMERR_FILENOTFOUND);
    EXPECT_EQ(builder->Load(dir.path().toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE),
              D3DRMERR_FILENOTFOUND)
        << "a folder is not a file";
    EXPECT_EQ(builder->Load(nullptr, nullptr, D3DRMLOAD_FROMFILE), D3DRMERR_FILENOTFOUND);
    const QString good = Write("good.x", test::QuadX(0, {}));
    EXPECT_EQ(builder->Load(good.toUtf8().constData(), nullptr, 2), D3DRMERR_BADVALUE);
    EXPECT_EQ(builder->Geometry(), nullptr);
}

TEST_F(ModelLoaderTest, FileOverTheSizeLimitIsNotRead) {
    QFile file(dir.filePath("big.x"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxModelFileBytes + 1));
    file.close();
    MeshData mesh;
    EXPECT_EQ(LoadModelFile(file.fileName(), nullptr, mesh), D3DRMERR_BADFILE);
}

TEST(XTextCheckTest, AcceptsCountsThatTheDataFills) {
    EXPECT_TRUE(IsPlausibleXText(test::QuadX(0, {})));
    EXPECT_TRUE(IsPlausibleXText(test::SphereX(1, 8, 4, {})));
    const QByteArray templates = "xof 0302txt 0032\ntemplate Mesh {\n<3D82AB44-62DA-11cf-AB39-"
                                 "0020AF71E433>\nDWORD nVertices;\n[...]\n}\n";
    EXPECT_TRUE(IsPlausibleXText(templates)) << "template declarations hold no data";
}

TEST(XTextCheckTest, RefusesBlocksLeftOpenOrClosedTwice) {
    const QByteArray whole = test::QuadX(0, {});
    EXPECT_FALSE(IsPlausibleXText(whole.left(whole.lastIndexOf('}'))));
    EXPECT_FALSE(IsPlausibleXText(whole + "}"));
    EXPECT_TRUE(IsPlausibleXText(whole + "// } in a comment\n"));
}

TEST(XTextCheckTest, RefusesFaceListsLongerThanTheFile) {
    const QByteArray faces = "xof 0302txt 0032\nMesh {\n1;\n0.0;0.0;0.0;;\n1;\n"
                             "4000000000;0,0,0;;\n}\n";
    EXPECT_FALSE(IsPlausibleXText(faces));
    const QByteArray uvs = "xof 0302txt 0032\nMeshTextureCoords {\n500000;\n0.0;0.0;;\n}\n";
    EXPECT_FALSE(IsPlausibleXText(uvs));
}

// Files that assimp's parser reads only as far as an error, leaking what it had built, or whose
// indices it follows past its arrays.
struct UnreadableX {
    const char* name;
    const char* text;
};

void PrintTo(const UnreadableX& c, std::ostream* os) {
    *os << c.name;
}

// A mesh with the three vertices of a triangle, then the given faces and objects.
QByteArray Triangle(const char* rest) {
    return QByteArray(
               "xof 0302txt 0032\nMesh {\n3;\n0.0;0.0;0.0;,\n0.0;1.0;0.0;,\n1.0;0.0;0.0;;\n") +
           rest + "}\n";
}

const UnreadableX unreadableX[] = {
    {"LetterForASeparator", "xof 0302txt 0032\nMesh {\n1;\n0.0;0.0;0.0x,\n0;\n}\n"},
    {"PointWithoutDigits", "xof 0302txt 0032\nMesh {\n1;\n0.;0.0;0.0;;\n0;\n}\n"},
    {"ExponentWithoutDigits", "xof 0302txt 0032\nMesh {\n1;\n1e;0.0;0.0;;\n0;\n}\n"},
    {"BeyondFloatRange", "xof 0302txt 0032\nMesh {\n1;\n1e39;0.0;0.0;;\n0;\n}\n"},
    {"NotANumber", "xof 0302txt 0032\nMesh {\n1;\nnan;0.0;0.0;;\n0;\n}\n"},
    {"NegativeCount", "xof 0302txt 0032\nMesh {\n-1;\n}\n"},
    {"IndexOfAMissingVertex", "1;\n3;0,1,3;;\n"},
    {"FaceWithTwoCorners", "1;\n2;0,1;;\n"},
    {"NormalsForOtherFaces",
     "1;\n3;0,1,2;;\nMeshNormals {\n1;\n0.0;0.0;-1.0;;\n2;\n3;0,0,0;,\n3;0,0,0;;\n}\n"},
    {"TextureCoordinatesForOtherVertices",
     "1;\n3;0,1,2;;\nMeshTextureCoords {\n2;\n0.0;0.0;,\n1.0;1.0;;\n}\n"},
    {"MaterialListWithoutMaterials", "1;\n3;0,1,2;;\nMeshMaterialList {\n0;\n1;\n0;;\n}\n"},
    {"MaterialIndexWithoutItsMaterial",
     "1;\n3;0,1,2;;\nMeshMaterialList {\n1;\n1;\n1;;\n{ M }\n}\n"},
    {"FewerMaterialsThanDeclared", "1;\n3;0,1,2;;\nMeshMaterialList {\n2;\n1;\n0;;\n{ M }\n}\n"},
    {"TextureNameWithoutSemicolon", "1;\n3;0,1,2;;\nMeshMaterialList {\n1;\n1;\n0;;\nMaterial {\n"
                                    "1.0;1.0;1.0;1.0;;\n0.0;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\n"
                                    "TextureFilename { \"a.bmp\" }\n}\n}\n"},
    {"PowerWithTwoSemicolons", "1;\n3;0,1,2;;\nMeshMaterialList {\n1;\n1;\n0;;\nMaterial {\n"
                               "1.0;1.0;1.0;1.0;;\n8.0;;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\n}\n}\n"},
    {"UnknownObjectInAMesh", "1;\n3;0,1,2;;\nSkinWeights {\n}\n"},
    {"MatrixOfFifteenNumbers",
     "xof 0302txt 0032\nFrame {\nFrameTransformMatrix {\n"
     "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0;;\n}\n}\n"},
    {"IntegerBeforeACommaAndADigit",
     "xof 0302txt 0032\nFrame {\nFrameTransformMatrix {\n"
     "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,270,0.0,0.0,1.0;;\n}\n}\n"},
    {"ObjectOnTheHeaderLine", "xof 0302txt 0032 Mesh { 0; 0; }\n"},
    {"ControlCharacter", "xof 0302txt 0032\nMesh {\v0;\n0;\n}\n"},
    {"TemplateWithoutGuid", "xof 0302txt 0032\ntemplate T {\n}\nMesh {\n0;\n0;\n}\n"},
};

class UnreadableXTest : public ::testing::TestWithParam<UnreadableX> {};

TEST_P(UnreadableXTest, IsRefusedBeforeAssimpReadsIt) {
    const QByteArray text(GetParam().text);
    const QByteArray file = text.startsWith("xof") ? text : Triangle(GetParam().text);
    EXPECT_FALSE(IsPlausibleXText(file));
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableXTest, ::testing::ValuesIn(unreadableX),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(XTextCheckTest, AcceptsTheSameTriangleWrittenWell) {
    EXPECT_TRUE(IsPlausibleXText(Triangle("1;\n3;0,1,2;;\n")));
    EXPECT_TRUE(IsPlausibleXText(
        Triangle("1;\n3;0,1,2;;\n"
                 "MeshNormals {\n1;\n0.0;0.0;-1.0;;\n1;\n3;0,0,0;;\n}\n"
                 "MeshTextureCoords {\n3;\n0.0;0.0;,\n0.0;1.0;,\n1.0;0.0;;\n}\n"
                 "MeshMaterialList {\n1;\n1;\n0;;\nMaterial {\n1.0;1.0;1.0;1.0;;\n"
                 "0.0;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\nTextureFilename { \"a b.bmp\"; }\n}\n}\n")));
    const QByteArray framed =
        "xof 0303txt 0064\r\n# comment\r\nFrame F {\r\nFrameTransformMatrix {\r\n"
        "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,2.5e1,-3.0,0.0,1;;\r\n}\r\n"
        "Frame G { }\r\n}\r\n";
    EXPECT_TRUE(IsPlausibleXText(framed));
}

} // namespace
} // namespace qor
