// Scaling a mesh builder: positions scale about the origin, normals stay normal to the surface,
// a mirroring scale keeps every face's front outside, and bad factors change nothing.
#include "XFiles.h"

#include "engine/MeshBuilder.h"
#include "engine/RefPtr.h"
#include "engine/Types.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace qor {
namespace {

using Vec = std::array<double, 3>;

Vec ToVec(const std::array<float, 3>& a) {
    return {a[0], a[1], a[2]};
}

Vec Minus(const Vec& a, const Vec& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Vec Cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Vec& a, const Vec& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Triangles whose winding (clockwise seen from the front, as in the model files) makes a face
// normal that points against the normals stored at its corners. Degenerate triangles (a
// sphere's poles) have no winding and are not counted.
int InsideOutFaces(const MeshData& mesh) {
    int count = 0;
    for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const Vec a = ToVec(mesh.vertices[mesh.indices[t]].position);
        const Vec b = ToVec(mesh.vertices[mesh.indices[t + 1]].position);
        const Vec c = ToVec(mesh.vertices[mesh.indices[t + 2]].position);
        const Vec face = Cross(Minus(b, a), Minus(c, a));
        if (Dot(face, face) < 1e-12) {
            continue;
        }
        Vec stored{};
        for (int k = 0; k < 3; ++k) {
            const Vec n = ToVec(mesh.vertices[mesh.indices[t + k]].normal);
            for (int i = 0; i < 3; ++i) {
                stored[i] += n[i];
            }
        }
        count += Dot(face, stored) <= 0 ? 1 : 0;
    }
    return count;
}

class MeshBuilderScaleTest : public ::testing::Test {
protected:
    RefPtr<IDirect3DRMMeshBuilder> Load(const QByteArray& file) {
        const QString path = dir.filePath(QString("model%1.x").arg(files++));
        EXPECT_TRUE(test::WriteFile(path, file));
        RefPtr<IDirect3DRMMeshBuilder> builder = MakeRef<IDirect3DRMMeshBuilder>();
        EXPECT_EQ(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE), D3DRM_OK);
        return builder;
    }
    QTemporaryDir dir;
    int files = 0;
};

struct ScaleCase {
    const char* name;
    std::array<float, 3> factor;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.name;
}

class MeshBuilderScaleCases : public MeshBuilderScaleTest,
                              public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(MeshBuilderScaleCases, ScalesPositionsAndKeepsFrontsOutsideWithNormalsOnTheSurface) {
    const std::array<float, 3> f = GetParam().factor;
    const RefPtr<IDirect3DRMMeshBuilder> original = Load(test::SphereX(1, 16, 8, {}));
    const RefPtr<IDirect3DRMMeshBuilder> scaled = Load(test::SphereX(1, 16, 8, {}));
    ASSERT_EQ(InsideOutFaces(*original->Geometry()), 0);
    const std::uint64_t idBefore = scaled->GeometryId();

    ASSERT_EQ(scaled->Scale(f[0], f[1], f[2]), D3DRM_OK);

    EXPECT_NE(scaled->GeometryId(), idBefore);
    const MeshData& before = *original->Geometry();
    const MeshData& after = *scaled->Geometry();
    ASSERT_EQ(after.vertices.size(), before.vertices.size());
    EXPECT_EQ(InsideOutFaces(after), 0);
    for (std::size_t v = 0; v < after.vertices.size(); ++v) {
        const Vec p = ToVec(before.vertices[v].position);
        const Vec q = ToVec(after.vertices[v].position);
        const Vec n = ToVec(after.vertices[v].normal);
        // The unit sphere scaled by f is x²/fx² + y²/fy² + z²/fz² = 1, whose normal at q is
        // along (qx/fx², qy/fy², qz/fz²).
        Vec gradient{};
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(q[i], p[i] * f[i], 1e-5) << "vertex " << v;
            gradient[i] = q[i] / (f[i] * f[i]);
        }
        EXPECT_NEAR(std::sqrt(Dot(n, n)), 1.0, 1e-5) << "vertex " << v;
        EXPECT_NEAR(Dot(n, gradient) / std::sqrt(Dot(gradient, gradient)), 1.0, 2e-3)
            << "vertex " << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, MeshBuilderScaleCases,
                         ::testing::Values(ScaleCase{"StretchedAlongX", {1.2f, 1, 1}},
                                           ScaleCase{"MirroredAlongX", {-1, 1, 1}},
                                           ScaleCase{"MirroredAndStretched", {-1.5f, 1, 1}},
                                           ScaleCase{"MirroredTwiceKeepsTheWinding", {-1, -2, 1}},
                                           ScaleCase{"MirroredThrice", {-1, -1, -0.5f}}),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MeshBuilderScaleTest, RefusesZeroAndNonFiniteFactorsAndKeepsTheGeometry) {
    const RefPtr<IDirect3DRMMeshBuilder> builder = Load(test::BoxX(1, {}));
    const std::uint64_t id = builder->GeometryId();
    const std::vector<MeshVertex> vertices = builder->Geometry()->vertices;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const std::array<float, 3>& f :
         {std::array<float, 3>{0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {inf, 1, 1}, {1, nan, 1}}) {
        EXPECT_EQ(builder->Scale(f[0], f[1], f[2]), D3DRMERR_BADVALUE);
    }
    EXPECT_EQ(builder->GeometryId(), id);
    const std::vector<MeshVertex>& now = builder->Geometry()->vertices;
    ASSERT_EQ(now.size(), vertices.size());
    for (std::size_t v = 0; v < now.size(); ++v) {
        EXPECT_EQ(now[v].position, vertices[v].position);
        EXPECT_EQ(now[v].normal, vertices[v].normal);
    }
}

} // namespace
} // namespace qor
