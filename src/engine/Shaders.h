// The renderer's shader programs. Each one is specialised when it is compiled for one way of
// drawing: the shade mode (flat: lighting once per face, at the vertex that carries the face
// normal, passed flat to every pixel; Gouraud: lighting per vertex; Phong: lighting per pixel),
// lighting on or off, the colour model (mono: intensity
// quantised to the number of shades, with or without a 4x4 ordered dither) and the number of
// directional lights. A software rasteriser such as llvmpipe pays for every branch and loop of
// a shader at every pixel, even where a uniform would skip it; a program that holds only the
// code of its way of drawing costs a quarter of one that holds them all.
#pragma once

#include <QOpenGLFunctions_3_3_Core>

namespace qor {

constexpr int kMaxDirectionalLights = 8;

struct ShaderVariant {
    int shadeMode = 1; // 0 flat, 1 Gouraud, 2 Phong
    bool lighting = true;
    bool mono = false;
    bool dither = false; // only counts in the mono colour model
    int lights = 0;      // directional lights, 0 to kMaxDirectionalLights
};

// Variants that draw alike are one: without lighting neither the shade mode, the lights nor the
// colour model matter, and the dither only matters in mono.
ShaderVariant Normalized(ShaderVariant variant);

// A number from 0 to kShaderVariantCount - 1 for every normalised variant.
constexpr int kShaderVariantCount = 3 * 2 * 3 * (kMaxDirectionalLights + 1);
int VariantIndex(const ShaderVariant& variant);

struct ShaderUniforms {
    GLint modelView = -1;
    GLint normalMatrix = -1;
    GLint projection = -1;
    GLint orthographic = -1; // flat lighting: every point is seen along the camera's axis
    GLint shades = -1;
    GLint ambient = -1;
    GLint lightToward = -1; // array: unit vectors towards each light, in view space
    GLint lightColor = -1;  // array
    GLint diffuse = -1;
    GLint specular = -1;
    GLint emissive = -1;
    GLint power = -1;
    GLint hasTexture = -1;
    GLint texture = -1;
};

struct ShaderProgram {
    GLuint id = 0; // 0 when it could not be made
    ShaderUniforms uniforms;
};

// Compiles and links the program of a variant.
ShaderProgram BuildShaderProgram(QOpenGLFunctions_3_3_Core& gl, const ShaderVariant& variant);

} // namespace qor
