// The one shader program of the renderer and where its uniforms live. It does flat shading
// (a face normal from screen-space derivatives), Gouraud (lighting per vertex) and Phong
// (lighting per pixel), lighting on or off, and the mono colour model (intensity quantised to
// the number of shades, with a 4x4 ordered dither).
#pragma once

#include <QOpenGLFunctions_3_3_Core>

namespace qor {

constexpr int kMaxDirectionalLights = 8;

struct ShaderUniforms {
    GLint modelView = -1;
    GLint normalMatrix = -1;
    GLint projection = -1;
    GLint shadeMode = -1;
    GLint lighting = -1;
    GLint mono = -1;
    GLint shades = -1;
    GLint dither = -1;
    GLint ambient = -1;
    GLint lightCount = -1;
    GLint lightToward = -1; // array: unit vectors towards each light, in view space
    GLint lightColor = -1;  // array
    GLint diffuse = -1;
    GLint specular = -1;
    GLint emissive = -1;
    GLint power = -1;
    GLint hasTexture = -1;
    GLint texture = -1;
};

// Compiles and links the program; 0 when that fails.
GLuint BuildShaderProgram(QOpenGLFunctions_3_3_Core& gl, ShaderUniforms& uniforms);

} // namespace qor
