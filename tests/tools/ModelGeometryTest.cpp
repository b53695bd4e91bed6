// The committed models, read back with assimp the way the engine reads them, meet what the scene
// needs of them: where joints, surfaces and arrows lie, how faces are wound, what is textured.
#include "ModelMeasures.h"
#include "Placement.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <ostream>

namespace {

using namespace qor::modelgen;

constexpr double pi = std::numbers::pi;
constexpr double exact = 1e-6; // the files carry six decimals
const Vec3 xAxis{1, 0, 0}, yAxis{0, 1, 0}, zAxis{0, 0, 1};

double Length(Vec3 v) {
    return std::sqrt(Dot(v, v));
}

std::vector<std::string> AllModelFiles() {
    std::vector<std::string> files = {"ENV/floors.x", "ENV/walls.x",       "ENV/xyzb.x",
                                      "ENV/xyz.x",    "ENV/hingepurple.x", "ENV/hingeyello.x"};
    for (int n = 1; n <= 10; ++n)
        files.push_back("LINKS/L" + std::to_string(n) + ".x");
    return files;
}

std::string TestName(const std::string& file) {
    std::string name;
    for (char c : file)
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

// ---- Every file ----

class EveryModel : public testing::TestWithParam<std::string> {};

TEST_P(EveryModel, LoadsAsClosedSolidsFacingOutwards) {
    const LoadedModel model = ReadModel(CommittedModelPath(GetParam()));
    ASSERT_FALSE(model.parts.empty());
    std::size_t triangles = 0;
    for (const LoadedPart& part : model.parts) {
        EXPECT_TRUE(part.hasNormals) << part.material.name;
        if (!part.material.texture.empty()) {
            EXPECT_TRUE(part.hasTextureCoordinates) << part.material.name;
        }
        triangles += part.triangles.size();
    }
    // Smooth enough to look round, small enough for a software renderer to draw many times.
    EXPECT_LE(triangles, 1000U);
    const SurfaceReport surface = SurfaceOf(model);
    EXPECT_EQ(surface.unmatchedEdges, 0) << "holes or inconsistent winding";
    EXPECT_EQ(surface.normalsAgainstFaces, 0) << "normals disagree with the winding";
    EXPECT_GE(surface.solids, 1);
    EXPECT_GT(surface.smallestVolume, 0) << "a solid wound counterclockwise from outside";
}

INSTANTIATE_TEST_SUITE_P(Files, EveryModel, testing::ValuesIn(AllModelFiles()),
                         [](const auto& info) { return TestName(info.param); });

// ---- Links ----

class Link : public testing::TestWithParam<int> {
protected:
    LoadedModel model =
        ReadModel(CommittedModelPath("LINKS/L" + std::to_string(GetParam()) + ".x"));
};

TEST_P(Link, HasAPinAlongYAtThePivotAndAtTheFarJoint) {
    const double length = GetParam();
    const LoadedPart* pins = PartNamed(model, "LinkPin");
    ASSERT_NE(pins, nullptr);
    std::vector<Box> boxes;
    for (const auto& solid : SolidsOf({pins}))
        boxes.push_back(BoundsOf(solid));
    ASSERT_EQ(boxes.size(), 2U);
    std::sort(boxes.begin(), boxes.end(),
              [](const Box& a, const Box& b) { return a.Centre().x < b.Centre().x; });
    const LoadedPart* bar = PartNamed(model, "LinkBar");
    ASSERT_NE(bar, nullptr);
    const Box barBox = BoundsOf(PositionsOf(*bar));
    const double joints[] = {0, length};
    for (int i = 0; i < 2; ++i) {
        const Box& pin = boxes[i];
        EXPECT_NEAR(pin.Centre().x, joints[i], exact);
        EXPECT_NEAR(pin.Centre().z, 0, exact);
        EXPECT_NEAR(pin.hi.x - pin.lo.x, pin.hi.z - pin.lo.z, exact) << "round in x and z";
        EXPECT_LT(pin.lo.y, barBox.lo.y) << "passes through the bar";
        EXPECT_GT(pin.hi.y, barBox.hi.y) << "passes through the bar";
    }
}

TEST_P(Link, BarHasRoundEndsAroundBothJoints) {
    const double length = GetParam();
    const LoadedPart* bar = PartNamed(model, "LinkBar");
    ASSERT_NE(bar, nullptr);
    const Box box = BoundsOf(PositionsOf(*bar));
    const double halfWidth = box.hi.z;
    EXPECT_NEAR(box.lo.z, -halfWidth, exact);
    EXPECT_NEAR(box.lo.x, -halfWidth, exact);
    EXPECT_NEAR(box.hi.x, length + halfWidth, exact);
    for (const Vec3& p : PositionsOf(*bar)) {
        const double joint = p.x > length ? length : 0;
        if (p.x > length || p.x < 0) {
            EXPECT_NEAR(std::hypot(p.x - joint, p.z), halfWidth, exact) << p.x << ", " << p.z;
        }
    }
}

TEST_P(Link, BarStaysClearOfTheLinksStackedAboveAndBelow) {
    // Mechanism 1 stacks link frames 0.1 apart along their y axes: each bar must stay within
    // half of that of its own plane.
    const LoadedPart* bar = PartNamed(model, "LinkBar");
    ASSERT_NE(bar, nullptr);
    const Box box = BoundsOf(PositionsOf(*bar));
    EXPECT_NEAR(box.lo.y, -box.hi.y, exact) << "centred on y = 0";
    EXPECT_LT(box.hi.y, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Lengths, Link, testing::Range(1, 11),
                         [](const auto& info) { return "L" + std::to_string(info.param); });

// ---- Hinges ----

struct HingeCase {
    const char* name;
    const char* file;
    bool purple; // else yellow
};

const HingeCase hingeCases[] = {
    {"Purple", "ENV/hingepurple.x", true},
    {"Yellow", "ENV/hingeyello.x", false},
};

void PrintTo(const HingeCase& c, std::ostream* out) {
    *out << c.name;
}

class Hinge : public testing::TestWithParam<HingeCase> {};

TEST_P(Hinge, IsCentredOnItsOriginAndCoversTheMeetingLinkEnds) {
    const LoadedModel hinge = ReadModel(CommittedModelPath(GetParam().file));
    const Box box = BoundsOf(PositionsOf(hinge));
    EXPECT_NEAR(Length(box.Centre()), 0, exact);
    EXPECT_NEAR(box.hi.x, box.hi.z, exact) << "round about y";

    // Links 2 and 3 end at B in one plane, so their round ends overlap there: the hinge must
    // enclose that overlap, wider than a bar end and thicker than a bar.
    const LoadedModel link = ReadModel(CommittedModelPath("LINKS/L1.x"));
    const Box bar = BoundsOf(PositionsOf(*PartNamed(link, "LinkBar")));
    const LoadedPart* widest = &hinge.parts.front();
    for (const LoadedPart& part : hinge.parts)
        if (BoundsOf(PositionsOf(part)).hi.x > BoundsOf(PositionsOf(*widest)).hi.x)
            widest = &part;
    const Box drum = BoundsOf(PositionsOf(*widest));
    EXPECT_GT(drum.hi.x, bar.hi.z);
    EXPECT_LT(drum.lo.y, bar.lo.y);
    EXPECT_GT(drum.hi.y, bar.hi.y);

    const Rgb& c = widest->material.diffuse;
    if (GetParam().purple) {
        EXPECT_GT(c.r, c.g);
        EXPECT_GT(c.b, c.g);
    } else {
        EXPECT_GT(c.r, c.b);
        EXPECT_GT(c.g, c.b);
    }
}

INSTANTIATE_TEST_SUITE_P(Colours, Hinge, testing::ValuesIn(hingeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Axes ----

enum class Base { Floor, Wall };

// The direction, in the floor's or the wall's coordinates, in which a read-out of B grows. A
// link frame turned to the mechanism angle t points its x axis at the mechanism's plane
// direction t; the angle grows from the first plane axis towards the second. The wall's link
// frames are first stood up by -90 degrees about x. Mechanism 1 shows its first plane
// coordinate as xB, the floor's height as yB and its second plane coordinate negated as zB;
// mechanism 2 shows its plane coordinates as xB and yB, and the wall's z negated as zB.
Vec3 ReadoutGrowth(Base base, char readout) {
    const Turn upright = base == Base::Wall ? TurnAbout(xAxis, -pi / 2) : Turn{};
    const auto planeDirection = [&](double t) { return upright * TurnAbout(yAxis, -t) * xAxis; };
    const Vec3 first = planeDirection(0);
    const Vec3 second = planeDirection(pi / 2);
    if (readout == 'x')
        return first;
    if (base == Base::Floor)
        return readout == 'y' ? yAxis : -1.0 * second;
    return readout == 'y' ? second : -1.0 * zAxis;
}

struct AxesCase {
    const char* name;
    const char* file;
    Base base;
    char readout;
    Rgb colour;
};

const Rgb lime{0, 1, 0}, blue{0, 0, 1}, red{1, 0, 0};

const AxesCase axesCases[] = {
    {"FloorMechanismLimeAlongXB", "ENV/xyz.x", Base::Floor, 'x', lime},
    {"FloorMechanismBlueAlongYB", "ENV/xyz.x", Base::Floor, 'y', blue},
    {"FloorMechanismRedAlongZB", "ENV/xyz.x", Base::Floor, 'z', red},
    {"WallMechanismLimeAlongXB", "ENV/xyz.x", Base::Wall, 'x', lime},
    {"WallMechanismBlueAlongYB", "ENV/xyz.x", Base::Wall, 'y', blue},
    {"WallMechanismRedAlongZB", "ENV/xyz.x", Base::Wall, 'z', red},
    {"WorldLimeAlongFloorX", "ENV/xyzb.x", Base::Floor, 'x', lime},
    {"WorldBlueAlongFloorY", "ENV/xyzb.x", Base::Floor, 'y', blue},
    {"WorldRedAlongFloorZNegated", "ENV/xyzb.x", Base::Floor, 'z', red},
};

void PrintTo(const AxesCase& c, std::ostream* out) {
    *out << c.name;
}

class Axes : public testing::TestWithParam<AxesCase> {};

TEST_P(Axes, ArrowPointsWhereItsReadoutGrowsOncePlaced) {
    const AxesCase& c = GetParam();
    const LoadedModel model = ReadModel(CommittedModelPath(c.file));
    const LoadedPart* arrow = PartWithColour(model, c.colour);
    ASSERT_NE(arrow, nullptr);
    Vec3 tip;
    for (const Vec3& p : PositionsOf(*arrow))
        if (Length(p) > Length(tip))
            tip = p;
    // Every axes frame is turned by AddRotation(before, y, -pi/2) on a fresh frame.
    const Turn placement = TurnAbout(yAxis, -pi / 2);
    const Vec3 pointing = Normalized(placement * tip);
    const Vec3 expected = ReadoutGrowth(c.base, c.readout);
    EXPECT_GT(Dot(pointing, expected), 0.9999)
        << "points to " << pointing.x << ", " << pointing.y << ", " << pointing.z;
}

TEST_P(Axes, ArrowStartsAtTheOriginAndEndsInAHead) {
    const LoadedModel model = ReadModel(CommittedModelPath(GetParam().file));
    const LoadedPart* arrow = PartWithColour(model, GetParam().colour);
    ASSERT_NE(arrow, nullptr);
    Vec3 tip;
    for (const Vec3& p : PositionsOf(*arrow))
        if (Length(p) > Length(tip))
            tip = p;
    const Vec3 axis = Normalized(tip);
    double nearest = Length(tip), shaftRadius = 0, headRadius = 0;
    for (const Vec3& p : PositionsOf(*arrow)) {
        const double along = Dot(p, axis);
        const double off = Length(p - along * axis);
        nearest = std::min(nearest, along);
        (along < Length(tip) / 2 ? shaftRadius : headRadius) =
            std::max(along < Length(tip) / 2 ? shaftRadius : headRadius, off);
    }
    EXPECT_NEAR(nearest, 0, exact);
    EXPECT_GT(headRadius, 2 * shaftRadius);
}

INSTANTIATE_TEST_SUITE_P(Readouts, Axes, testing::ValuesIn(axesCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Floor and wall ----

struct BoardCase {
    const char* name;
    const char* file;
    Vec3 faceNormal;      // the surface the mechanism stands on, facing it
    Vec3 across, upwards; // the texture's u and -v directions on that surface
    Vec3 mustCoverLo, mustCoverHi;
};

// Mechanism 1's pivots sit near floor (0, -9.5) and B reaches 20 cm from pivot 1 sideways and
// 10 cm towards the camera before it leaves the default view; mechanism 2's pivots sit near
// wall (0, 1) and B reaches 20 cm upwards.
const BoardCase boardCases[] = {
    {"Floor", "ENV/floors.x", yAxis, xAxis, zAxis, {-20, 0, -19}, {20, 0, 0}},
    {"Wall", "ENV/walls.x", -1.0 * zAxis, xAxis, yAxis, {-20, 0, 0}, {20, 21, 0}},
};

void PrintTo(const BoardCase& c, std::ostream* out) {
    *out << c.name;
}

class Board : public testing::TestWithParam<BoardCase> {};

TEST_P(Board, SurfaceIsItsFramePlaneWithTheSolidBehindIt) {
    const BoardCase& c = GetParam();
    const LoadedModel model = ReadModel(CommittedModelPath(c.file));
    const Box box = BoundsOf(PositionsOf(model));
    // The farthest extent along the surface normal is exactly the plane through the origin.
    double front = -1e9, back = 1e9;
    for (const Vec3& p : PositionsOf(model)) {
        front = std::max(front, Dot(p, c.faceNormal));
        back = std::min(back, Dot(p, c.faceNormal));
    }
    EXPECT_NEAR(front, 0, exact);
    EXPECT_LT(back, -0.5) << "a solid board behind the surface";
    EXPECT_LE(box.lo.x, c.mustCoverLo.x);
    EXPECT_LE(box.lo.y, c.mustCoverLo.y);
    EXPECT_LE(box.lo.z, c.mustCoverLo.z);
    EXPECT_GE(box.hi.x, c.mustCoverHi.x);
    EXPECT_GE(box.hi.y, c.mustCoverHi.y);
    EXPECT_GE(box.hi.z, c.mustCoverHi.z);
}

// The default view: the camera at scene (5, 10, -10) looks along (0, -0.8, 1), the floor frame's
// origin is at scene (5.5, 0, 2), and the front clipping plane lies 0.1 ahead of the camera.
TEST(Board, FloorStaysBehindTheDefaultFrontClippingPlane) {
    const LoadedModel model = ReadModel(CommittedModelPath("ENV/floors.x"));
    const Vec3 camera{5, 10, -10};
    const Vec3 look = (1.0 / std::sqrt(0.64 + 1.0)) * Vec3{0, -0.8, 1};
    for (const Vec3& p : PositionsOf(model)) {
        const Vec3 scene{p.x + 5.5, p.y, p.z + 2.0};
        EXPECT_GE(Dot(scene - camera, look), 0.1) << p.x << " " << p.y << " " << p.z;
    }
}

TEST_P(Board, SurfaceCarriesTheGridTenCentimetresATileAlignedWithTheOrigin) {
    const BoardCase& c = GetParam();
    const LoadedModel model = ReadModel(CommittedModelPath(c.file));
    const LoadedPart* sheet = nullptr;
    for (const LoadedPart& part : model.parts)
        if (!part.material.texture.empty())
            sheet = &part;
    ASSERT_NE(sheet, nullptr);
    ASSERT_FALSE(sheet->vertices.empty());
    for (const Vertex& v : sheet->vertices) {
        EXPECT_NEAR(Dot(v.position, c.faceNormal), 0, exact) << "textured only on the surface";
        // u = across / 10 and v = upwards / 10 plus whole tiles: the file's v runs downwards
        // (Direct3D's convention) and assimp hands it over as 1 - v.
        const double uOffset = v.u - Dot(v.position, c.across) / 10;
        const double vOffset = v.v - Dot(v.position, c.upwards) / 10;
        EXPECT_NEAR(uOffset, std::round(uOffset), exact);
        EXPECT_NEAR(vOffset, std::round(vOffset), exact);
    }
    const Box uv = BoundsOf([&] {
        std::vector<Vec3> coords;
        for (const Vertex& v : sheet->vertices)
            coords.push_back({v.u, v.v, 0});
        return coords;
    }());
    EXPECT_GT(uv.hi.x - uv.lo.x, 1) << "the texture repeats";
}

TEST_P(Board, TextureBesideTheFileLoadsAsACentimetreGrid) {
    const BoardCase& c = GetParam();
    const std::string path = CommittedModelPath(c.file);
    const LoadedModel model = ReadModel(path);
    std::string texture;
    for (const LoadedPart& part : model.parts)
        if (!part.material.texture.empty())
            texture = part.material.texture;
    ASSERT_FALSE(texture.empty());
    const auto file = std::filesystem::path(path).parent_path() / texture;
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    const QImage image(QString::fromStdString(file.string()));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), image.height());
    ASSERT_EQ(image.width() % 10, 0);
    const int perCm = image.width() / 10;
    // Along a row halfway between two lines: a line at every centimetre, bolder at 5 and 10.
    const int row = perCm / 2;
    const auto shade = [&](int column) { return qGray(image.pixel(column, row)); };
    for (int cm = 0; cm < 10; ++cm)
        EXPECT_LT(shade(cm * perCm), shade(cm * perCm + perCm / 2) - 20) << cm << " cm";
    EXPECT_LT(shade(0), shade(5 * perCm));
    EXPECT_LT(shade(5 * perCm), shade(perCm));
}

INSTANTIATE_TEST_SUITE_P(Boards, Board, testing::ValuesIn(boardCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
