// The view plane from the field, uniform scaling, and where the projection puts scene points.
#include "engine/ViewProjection.h"

#include <gtest/gtest.h>

#include <array>

namespace qor {
namespace {

// Normalised device coordinates of a view-space point.
std::array<float, 3> Project(const Mat4f& m, float x, float y, float z) {
    const auto row = [&](int r) {
        return m.m[r] * x + m.m[4 + r] * y + m.m[8 + r] * z + m.m[12 + r];
    };
    const float w = row(3);
    return {row(0) / w, row(1) / w, row(2) / w};
}

struct PlaneCase {
    const char* name;
    float field;
    int width;
    int height;
    ViewPlane expected;
};

class PlaneForFieldTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(PlaneForFieldTest, ShorterSideSpansTheField) {
    const PlaneCase& c = GetParam();
    const ViewPlane plane = PlaneForField(c.field, c.width, c.height);
    EXPECT_FLOAT_EQ(plane.left, c.expected.left);
    EXPECT_FLOAT_EQ(plane.right, c.expected.right);
    EXPECT_FLOAT_EQ(plane.bottom, c.expected.bottom);
    EXPECT_FLOAT_EQ(plane.top, c.expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    Aspects, PlaneForFieldTest,
    ::testing::Values(PlaneCase{"landscape_field_is_half_height", 14, 200, 100, {-28, 28, -14, 14}},
                      PlaneCase{"portrait_field_is_half_width", 2, 100, 300, {-2, 2, -6, 6}},
                      PlaneCase{"square", 0.5f, 64, 64, {-0.5f, 0.5f, -0.5f, 0.5f}}),
    [](const auto& info) { return info.param.name; });

TEST(ShownPlaneTest, UniformScalingWidensOneAxisAboutTheCentre) {
    const ViewPlane square{0, 2, -1, 1};
    const ViewPlane wide = ShownPlane(square, 200, 100, true);
    EXPECT_FLOAT_EQ(wide.left, -1);
    EXPECT_FLOAT_EQ(wide.right, 3);
    EXPECT_FLOAT_EQ(wide.bottom, -1);
    EXPECT_FLOAT_EQ(wide.top, 1);
    const ViewPlane stretched = ShownPlane(square, 200, 100, false);
    EXPECT_FLOAT_EQ(stretched.left, 0);
    EXPECT_FLOAT_EQ(stretched.right, 2);
}

struct ProjectionCase {
    const char* name;
    D3DRMPROJECTIONTYPE projection;
    std::array<float, 3> point;
    std::array<float, 3> expectedNdc;
};

class ProjectionTest : public ::testing::TestWithParam<ProjectionCase> {};

TEST_P(ProjectionTest, PutsPointsWhereThePlaneSays) {
    const ProjectionCase& c = GetParam();
    const ViewPlane plane{-2, 2, -1, 1};
    const std::array<float, 3> ndc =
        Project(ProjectionMatrix(c.projection, plane, 1, 9), c.point[0], c.point[1], c.point[2]);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(ndc[i], c.expectedNdc[i], 1e-5f) << "component " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, ProjectionTest,
    ::testing::Values(
        // Perspective: x/z and y/z on the unit-depth plane.
        ProjectionCase{
            "perspective_centre_at_front", D3DRMPROJECT_PERSPECTIVE, {0, 0, 1}, {0, 0, -1}},
        ProjectionCase{
            "perspective_corner_at_depth_4", D3DRMPROJECT_PERSPECTIVE, {8, 4, 4}, {1, 1, 0.6875f}},
        ProjectionCase{
            "perspective_back_plane", D3DRMPROJECT_PERSPECTIVE, {-2, 0, 9}, {-0.111111f, 0, 1}},
        // Orthographic: the plane in scene units, whatever the depth.
        ProjectionCase{"orthographic_right_edge", D3DRMPROJECT_ORTHOGRAPHIC, {2, 0, 5}, {1, 0, 0}},
        ProjectionCase{
            "orthographic_bottom_left", D3DRMPROJECT_ORTHOGRAPHIC, {-2, -1, 1}, {-1, -1, -1}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor
