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

constexpr double floorHalfWidth = 25;
// The program's default camera looks down on the floor from (5, 10, -10) with its front clipping
// plane 0.1 ahead; a floor reaching nearer than about 19.8 cm in front of the wall would be cut by
// that plane in the default view.
constexpr double floorDepth = 19.5;
constexpr double boardThickness = 1;
constexpr double wallHeight = 30;
constexpr double gridTile = 10;

const Rgb steel{0.36, 0.38, 0.43};

// The scene's lamp shines along +z, so what lies on the floor faces away from it and gets only
// the ambient light, while what stands before the wall gets both. A glow of a third of the
// colour keeps the floor's parts bright, and diffuse colours of at most about 2/3 keep the
// wall's parts from washing out to white under ambient + lamp.
constexpr double glow = 0.3;

Material Shiny(const std::string& name, Rgb colour, double power, double specular) {
    return {name,
            colour,
            1,
            power,
            {specular, specular, specular},
            {glow * colour.r, glow * colour.g, glow * colour.b},
            {}};
}

Material GridSheet(const std::string& texture) {
    Material sheet = Shiny("GridSheet", {1, 1, 1}, 8, 0.1);
    sheet.texture = texture;
    return sheet;
}

const Material boardEdge = Shiny("BoardEdge", {0.55, 0.42, 0.28}, 4, 0.05);

struct AxesSize {
    double shaftLength, shaftRadius, headLength, headRadius, originRadius;
};

} // namespace

Mesh LinkModel(int length) {
    Mesh mesh;
    mesh.name = "Link" + std::to_string(length);
    const int bar = AddMaterial(mesh, Shiny("LinkBar", {0.72, 0.34, 0.06}, 24, 0.45));
    const int pin = AddMaterial(mesh, Shiny("LinkPin", steel, 40, 0.8));
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
    const int drum = AddMaterial(mesh, Shiny(name + "Drum", colour, 30, 0.6));
    const int axle = AddMaterial(mesh, Shiny(name + "Axle", steel, 40, 0.8));
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
        const int material = AddMaterial(mesh, Shiny(arrow.name, arrow.colour, 20, 0.4));
        const Vec3 shaftEnd = size.shaftLength * arrow.direction;
        AddCylinder(mesh, {}, shaftEnd, size.shaftRadius, segments, material);
        AddCone(mesh, shaftEnd, (size.shaftLength + size.headLength) * arrow.direction,
                size.headRadius, segments, material);
    }
    if (size.originRadius > 0) {
        const int origin = AddMaterial(mesh, Shiny("AxesOrigin", {0.9, 0.9, 0.9}, 20, 0.4));
        AddSphere(mesh, {}, size.originRadius, 8, 16, origin);
    }
    return mesh;
}

Mesh FloorModel(const std::string& texture) {
    Mesh mesh;
    mesh.name = "Floor";
    mesh.textured = true;
    const int sheet = AddMaterial(mesh, GridSheet(texture));
    const int edge = AddMaterial(mesh, boardEdge);
    AddBox(mesh, {-floorHalfWidth, -boardThickness, -floorDepth}, {floorHalfWidth, 0, 0},
           {edge, edge, edge, sheet, edge, edge}, gridTile);
    return mesh;
}

Mesh WallModel(const std::string& texture) {
    Mesh mesh;
    mesh.name = "Wall";
    mesh.textured = true;
    const int sheet = AddMaterial(mesh, GridSheet(texture));
    const int edge = AddMaterial(mesh, boardEdge);
    AddBox(mesh, {-floorHalfWidth, -boardThickness, 0},
           {floorHalfWidth, wallHeight, boardThickness}, {edge, edge, edge, edge, sheet, edge},
           gridTile);
    return mesh;
}

} // namespace qor::modelgen
