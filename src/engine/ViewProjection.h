// The arithmetic of viewports: the view plane that a field gives, the plane actually shown when
// scaling is uniform, and the projection matrix into OpenGL's clip space. View space is the
// camera frame's own: x right, y up, looking along +z.
#pragma once

#include "engine/Math3d.h"
#include "engine/Types.h"

namespace qor {

// The visible window on the front plane: in scene units for orthographic projection, at unit
// depth for perspective.
struct ViewPlane {
    float left = 0;
    float right = 0;
    float bottom = 0;
    float top = 0;
};

// The viewport's shorter side spans -field..field, the longer one follows its aspect.
ViewPlane PlaneForField(float field, int width, int height);

// With uniform scaling the plane is widened on one axis, about its centre, so that both axes
// have one scale and the whole plane shows; otherwise it is stretched onto the viewport.
ViewPlane ShownPlane(const ViewPlane& plane, int width, int height, bool uniformScaling);

// Perspective: a point at depth z shows at (x/z, y/z) on the plane; orthographic: at (x, y).
// Depth front..back maps to -1..1.
Mat4f ProjectionMatrix(D3DRMPROJECTIONTYPE projection, const ViewPlane& plane, float front,
                       float back);

} // namespace qor
