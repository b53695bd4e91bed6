// Viewport arithmetic.
#include "engine/ViewProjection.h"

#include <algorithm>

namespace qor {

ViewPlane PlaneForField(float field, int width, int height) {
    if (width >= height) {
        const float half = field * static_cast<float>(width) / static_cast<float>(height);
        return {-half, half, -field, field};
    }
    const float half = field * static_cast<float>(height) / static_cast<float>(width);
    return {-field, field, -half, half};
}

ViewPlane ShownPlane(const ViewPlane& plane, int width, int height, bool uniformScaling) {
    if (!uniformScaling) {
        return plane;
    }
    // Scene units per pixel: the larger of the two keeps the whole plane in view.
    const float planeWidth = plane.right - plane.left;
    const float planeHeight = plane.top - plane.bottom;
    const float scale =
        std::max(planeWidth / static_cast<float>(width), planeHeight / static_cast<float>(height));
    const float halfWidth = 0.5f * scale * static_cast<float>(width);
    const float halfHeight = 0.5f * scale * static_cast<float>(height);
    const float centreX = 0.5f * (plane.left + plane.right);
    const float centreY = 0.5f * (plane.bottom + plane.top);
    return {centreX - halfWidth, centreX + halfWidth, centreY - halfHeight, centreY + halfHeight};
}

Mat4f ProjectionMatrix(D3DRMPROJECTIONTYPE projection, const ViewPlane& p, float front,
                       float back) {
    Mat4f r;
    const float width = p.right - p.left;
    const float height = p.top - p.bottom;
    const float depth = back - front;
    r.m[0] = 2 / width;
    r.m[5] = 2 / height;
    if (projection == D3DRMPROJECT_PERSPECTIVE) {
        r.m[8] = -(p.right + p.left) / width;
        r.m[9] = -(p.top + p.bottom) / height;
        r.m[10] = (back + front) / depth;
        r.m[11] = 1;
        r.m[14] = -2 * back * front / depth;
    } else {
        r.m[12] = -(p.right + p.left) / width;
        r.m[13] = -(p.top + p.bottom) / height;
        r.m[10] = 2 / depth;
        r.m[14] = -(back + front) / depth;
        r.m[15] = 1;
    }
    return r;
}

} // namespace qor
