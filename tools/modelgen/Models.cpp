#include "Models.h"

#include "Shapes.h"

namespace qor::modelgen {

namespace {

// Link bars are 0.08 thick: the links of one chain hang 0.1 (floor) or 0.2 (wall) above each
// other, so neighbouring bars never touch.
constexpr double barHalfWidth = 0.25;
constexpr double barHalfThickness = 0.04;
constexpr int barSegmentsPerEnd = 16;
// The pivot pin reaches down almost to the frame the link hangs on (0.1 or 0.2 below), the far
// pin is a short collar that shows between this link and the next. Their radii differ so that
// the two pins at one joint never share a surface.
constexpr double pivotPinRadius = 0.08;
constexpr double pivotPinBottom = -0.19;
constexpr double pivotPinTop = 0.07;
constexpr double farPinRadius = 0.1;
constexpr double farPinHalfHeight = 0.07;
constexpr int pinSegments = 16;

// Links 2 and 3 meet at B in one plane, so their ends overlap there; the hinge's drum is wider
// and thicker than a bar end and covers the overlap from every side.
constexpr double drumRadius = 0.32;
constexpr double drumHalfHeight = 0.055;
constexpr double axleRadius = 0.12;
constexpr double axleHalfHeight = 0.15;
constexpr int hingeSegments = 24;

constexpr double floorHalfWidth = 30;
// The program's default camera looks down on the floor from (5, 10, -10) with its front clipping
// plane 0.1 ahead; a floor reaching nearer than about 19.8 cm in front of the wall would be cut by
// that plane in the default view.
constexpr double floorDepth = 19.5;
constexpr double boardThickness = 3;
constexpr double wallHeight = 30;
constexpr double gridTile = 10;

// The program lights the scene with the view's grey ambient light of 0.5 and a white lamp
// shining along +z. What lies on the floor faces up, away from the lamp, and gets 0.5; what
// stands before the wall faces the camera and the lamp and gets 0.5 + 1. A surface shows
// emissive + diffuse x light (x texture), clipped at 1.
constexpr double floorLight = 0.5;
constexpr double wallLight = 1.5;

Rgb Scaled(double s, Rgb c) {
    return {s * c.r, s * c.g, s * c.b};
}

Material Made(const std::string& name, Rgb diffuse, Rgb emissive, double power, double specular) {
    return {name, diffuse, 1, power, {specular, specular, specular}, emissive, {}};
}

// For parts that stand in both lights (the links and the hinges): mostly their own glow,
// with a little diffuse light for their shape, so that a part shows its colour before the wall
// and four fifths of it on the floor, never washed out.
Material Glowing(const std::string& name, Rgb colour, double power, double specular) {
    return Made(name, Scaled(0.2, colour), Scaled(0.7, colour), power, specular);
}

// For surfaces made for one light (a board's sheet or edge): they show their colour under it,
// half of it from the light, so that their shading (and a texture's lines) keep their contrast.
Material LitBy(double light, const std::string& name, Rgb colour, double power, double specular) {
    return Made(name, Scaled(0.5 / light, colour), Scaled(0.5, colour), power, specular);
}

const Rgb steel{0.58, 0.6, 0.66};
const Rgb paper{0.96, 0.95, 0.91};

// Matte paper with the centimetre grid, for the floor's top or the wall's face. The floor's is a
// shade darker, so that the corner where the wall stands on the floor shows.
constexpr double floorShade = 0.9;
Material GridSheet(double light, double shade, const std::string& texture) {
    Material sheet = LitBy(light, "GridSheet", Scaled(shade, paper), 0, 0);
    sheet.texture = texture;
    return sheet;
}

// Only the floor board's front edge shows, facing the lamp.
const Material boardEdge = LitBy(wallLight, "BoardEdge", {0.62, 0.46, 0.3}, 4, 0.05);

// The axes keep pure colours, matched by the legend; a glow of a third keeps them bright on the
// floor.
Material AxisColour(const std::string& name, Rgb colour) {
    return Made(name, colour, Scaled(0.3, colour), 20, 0.4);
}

struct AxesSize {
    double shaftLength, shaftRadius, headLength, headRadius, originRadius;
};

} // namespace

Mesh LinkModel(int length) {
    Mesh mesh;
    mesh.name = "Link" + std::to_string(length);
    const int bar = AddMaterial(mesh, Glowing("LinkBar", {0.95, 0.52, 0.12}, 24, 0.25));
    const int pin = AddMaterial(mesh, Glowing("LinkPin", steel, 40, 0.5));
    AddRoundedBar(mesh, length, barHalfWidth, barHalfThickness, barSegmentsPerEnd, bar);
    AddCylinder(mesh, {0, pivotPinBottom, 0}, {0, pivotPinTop, 0}, pivotPinRadius, pinSegments,
                pin);
    const double far = length;
    AddCylinder(mesh, {far, -farPinHalfHeight, 0}, {far, farPinHalfHeight, 0}, farPinRadius,
                pinSegments, pin);
    return mesh;
}

Mesh HingeModel(const std::string& name, Rgb colour) {
    Mesh mesh;
    mesh.name = name;
    const int drum = AddMaterial(mesh, Glowing(name + "Drum", colour, 30, 0.3));
    const int axle = AddMaterial(mesh, Glowing(name + "Axle", steel, 40, 0.5));
    AddCylinder(mesh, {0, -drumHalfHeight, 0}, {0, drumHalfHeight, 0}, drumRadius, hingeSegments,
                drum);
    AddCylinder(mesh, {0, -axleHalfHeight, 0}, {0, axleHalfHeight, 0}, axleRadius, hingeSegments,
                axle);
    return mesh;
}

Mesh AxesModel(AxesStyle style) {
    const bool world = style == AxesStyle::World;
    const AxesSize size =
        world ? AxesSize{5.0, 0.09, 0.8, 0.26, 0.18} : AxesSize{3.0, 0.06, 0.5, 0.16, 0.0};
    Mesh mesh;
    mesh.name = world ? "WorldAxes" : "MechanismAxes";
    struct Arrow {
        const char* name;
        Rgb colour;
        Vec3 direction;
    };
    const Arrow arrows[] = {
        {"AxisX", {0, 1, 0}, {0, 0, -1}},
        {"AxisY", {0, 0, 1}, {0, 1, 0}},
        {"AxisZ", {1, 0, 0}, {-1, 0, 0}},
    };
    constexpr int segments = 16;
    for (const Arrow& arrow : arrows) {
        const int material = AddMaterial(mesh, AxisColour(arrow.name, arrow.colour));
        const Vec3 shaftEnd = size.shaftLength * arrow.direction;
        AddCylinder(mesh, {}, shaftEnd, size.shaftRadius, segments, material);
        AddCone(mesh, shaftEnd, (size.shaftLength + size.headLength) * arrow.direction,
                size.headRadius, segments, material);
    }
    if (size.originRadius > 0) {
        const int origin = AddMaterial(mesh, AxisColour("AxesOrigin", {0.9, 0.9, 0.9}));
        AddSphere(mesh, {}, size.originRadius, 8, 16, origin);
    }
    return mesh;
}

Mesh FloorModel(const std::string& texture) {
    Mesh mesh;
    mesh.name = "Floor";
    mesh.textured = true;
    const int sheet = AddMaterial(mesh, GridSheet(floorLight, floorShade, texture));
    const int edge = AddMaterial(mesh, boardEdge);
    AddBox(mesh, {-floorHalfWidth, -boardThickness, -floorDepth}, {floorHalfWidth, 0, 0},
           {edge, edge, edge, sheet, edge, edge}, gridTile);
    return mesh;
}

Mesh WallModel(const std::string& texture) {
    Mesh mesh;
    mesh.name = "Wall";
    mesh.textured = true;
    const int sheet = AddMaterial(mesh, GridSheet(wallLight, 1, texture));
    const int edge = AddMaterial(mesh, boardEdge);
    AddBox(mesh, {-floorHalfWidth, -boardThickness, 0},
           {floorHalfWidth, wallHeight, boardThickness}, {edge, edge, edge, edge, sheet, edge},
           gridTile);
    return mesh;
}

} // namespace qor::modelgen
