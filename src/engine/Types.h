// Plain values and flags of the engine's interface: vectors, colours, light types, combine
// types, projections, the device quality word, texture qualities and colour models.
#pragma once

#include <cstdint>

namespace qor {

using D3DVALUE = float;
using D3DCOLOR = std::uint32_t; // 0xAARRGGBB
using D3DCOLORMODEL = std::uint32_t;
using D3DRMRENDERQUALITY = std::uint32_t;
using D3DRMTEXTUREQUALITY = std::int32_t;
using D3DRMPROJECTIONTYPE = std::int32_t;
using D3DRMCOMBINETYPE = std::int32_t;
using D3DRMLIGHTTYPE = std::int32_t;
using D3DRMGROUPINDEX = std::int32_t; // a group of a mesh, numbered from 0 in the order added

struct D3DVECTOR {
    D3DVALUE x = 0;
    D3DVALUE y = 0;
    D3DVALUE z = 0;
};

// One vertex of a mesh group, in the mesh's own coordinates.
struct D3DRMVERTEX {
    D3DVECTOR position;
    D3DVECTOR normal;
    D3DVALUE tu = 0; // texture coordinates
    D3DVALUE tv = 0;
};

enum : D3DRMLIGHTTYPE {
    D3DRMLIGHT_AMBIENT = 0,     // the same light everywhere, from no direction
    D3DRMLIGHT_DIRECTIONAL = 3, // along the frame's +z axis, from infinitely far
};

enum : D3DRMCOMBINETYPE {
    D3DRMCOMBINE_REPLACE = 0, // the new transform replaces the frame's
    D3DRMCOMBINE_BEFORE = 1,  // applied in the frame's own coordinates, ahead of its transform
    D3DRMCOMBINE_AFTER = 2,   // applied in the parent's coordinates, after the frame's transform
};

enum : D3DRMPROJECTIONTYPE {
    D3DRMPROJECT_PERSPECTIVE = 0,
    D3DRMPROJECT_ORTHOGRAPHIC = 1,
};

// The device quality word: shade mode in bits 0-2, lighting in bits 3-5, fill in bits 6-8.
enum : D3DRMRENDERQUALITY {
    D3DRMSHADE_FLAT = 0,
    D3DRMSHADE_GOURAUD = 1,
    D3DRMSHADE_PHONG = 2,
    D3DRMSHADE_MASK = 7,
    D3DRMLIGHT_OFF = 0,
    D3DRMLIGHT_ON = 8,
    D3DRMLIGHT_MASK = 0x38,
    D3DRMFILL_POINTS = 0,
    D3DRMFILL_WIREFRAME = 0x40,
    D3DRMFILL_SOLID = 0x80,
    D3DRMFILL_MASK = 0x1C0,
    D3DRMRENDER_WIREFRAME = D3DRMSHADE_FLAT | D3DRMLIGHT_OFF | D3DRMFILL_WIREFRAME,
    D3DRMRENDER_UNLITFLAT = D3DRMSHADE_FLAT | D3DRMLIGHT_OFF | D3DRMFILL_SOLID,
    D3DRMRENDER_FLAT = D3DRMSHADE_FLAT | D3DRMLIGHT_ON | D3DRMFILL_SOLID,
    D3DRMRENDER_GOURAUD = D3DRMSHADE_GOURAUD | D3DRMLIGHT_ON | D3DRMFILL_SOLID,
    D3DRMRENDER_PHONG = D3DRMSHADE_PHONG | D3DRMLIGHT_ON | D3DRMFILL_SOLID,
};

enum : D3DRMTEXTUREQUALITY {
    D3DRMTEXTURE_NEAREST = 0,          // nearest texel
    D3DRMTEXTURE_LINEAR = 1,           // bilinear
    D3DRMTEXTURE_MIPNEAREST = 2,       // nearest mip level, nearest texel
    D3DRMTEXTURE_MIPLINEAR = 3,        // nearest mip level, bilinear
    D3DRMTEXTURE_LINEARMIPNEAREST = 4, // between two mip levels, nearest texel
    D3DRMTEXTURE_LINEARMIPLINEAR = 5,  // trilinear
};

enum : D3DCOLORMODEL {
    D3DCOLOR_MONO = 1, // lights act by intensity only, in a ramp of shades
    D3DCOLOR_RGB = 2,
};

enum : std::uint32_t {
    D3DRMWIREFRAME_CULL = 1,       // wireframes leave out back faces
    D3DRMWIREFRAME_HIDDENLINE = 2, // wireframes leave out lines hidden behind faces
};

enum : std::uint32_t {
    D3DRMLOAD_FROMFILE = 0,
};

} // namespace qor
