// Shader sources and their compilation.
#include "engine/Shaders.h"

#include <QByteArray>

namespace qor {

namespace {

// Shared by both stages: diffuse and specular light reaching a point with a given normal.
const char* const kLighting = R"(
uniform bool uLighting;
uniform vec3 uAmbient;
uniform int uLightCount;
uniform vec3 uLightToward[8];
uniform vec3 uLightColor[8];
uniform vec3 uSpecular;
uniform float uPower;

void Lighting(vec3 position, vec3 normal, out vec3 diffuse, out vec3 specular) {
    diffuse = uAmbient;
    specular = vec3(0.0);
    vec3 toEye = normalize(-position);
    for (int i = 0; i < uLightCount; ++i) {
        float facing = dot(normal, uLightToward[i]);
        if (facing > 0.0) {
            diffuse += uLightColor[i] * facing;
            if (uPower > 0.0) {
                vec3 halfway = normalize(uLightToward[i] + toEye);
                specular += uLightColor[i] * pow(max(dot(normal, halfway), 0.0), uPower);
            }
        }
    }
}
)";

const char* const kVertex = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
uniform mat4 uModelView;
uniform mat3 uNormalMatrix;
uniform mat4 uProjection;
out vec3 vPosition;
out vec3 vNormal;
out vec2 vUv;
out vec3 vDiffuseLight;
out vec3 vSpecularLight;

void main() {
    vec4 position = uModelView * vec4(aPosition, 1.0);
    vPosition = position.xyz;
    vNormal = normalize(uNormalMatrix * aNormal);
    vUv = aUv;
    Lighting(vPosition, vNormal, vDiffuseLight, vSpecularLight);
    gl_Position = uProjection * position;
}
)";

const char* const kFragment = R"(
in vec3 vPosition;
in vec3 vNormal;
in vec2 vUv;
in vec3 vDiffuseLight;
in vec3 vSpecularLight;
uniform int uShadeMode;
uniform bool uMono;
uniform float uShades;
uniform bool uDither;
uniform vec4 uDiffuse;
uniform vec3 uEmissive;
uniform bool uHasTexture;
uniform sampler2D uTexture;
out vec4 fragColor;

const float kBayer[16] = float[16](0.0, 8.0, 2.0, 10.0, 12.0, 4.0, 14.0, 6.0,
                                   3.0, 11.0, 1.0, 9.0, 15.0, 7.0, 13.0, 5.0);

// An intensity on the ramp of uShades levels; the dither spreads the rounding over 4x4 pixels.
float OnRamp(float intensity) {
    float levels = uShades - 1.0;
    ivec2 cell = ivec2(gl_FragCoord.xy) & 3;
    float threshold = uDither ? (kBayer[cell.y * 4 + cell.x] + 0.5) / 16.0 : 0.5;
    return clamp(floor(clamp(intensity, 0.0, 1.0) * levels + threshold) / levels, 0.0, 1.0);
}

void main() {
    vec4 base = uDiffuse;
    if (uHasTexture) {
        base *= texture(uTexture, vUv);
    }
    if (!uLighting) {
        fragColor = base;
        return;
    }
    vec3 diffuseLight;
    vec3 specularLight;
    if (uShadeMode == 0) {
        // The face's own normal, towards the viewer.
        vec3 faceNormal = -normalize(cross(dFdx(vPosition), dFdy(vPosition)));
        Lighting(vPosition, faceNormal, diffuseLight, specularLight);
    } else if (uShadeMode == 1) {
        diffuseLight = vDiffuseLight;
        specularLight = vSpecularLight;
    } else {
        Lighting(vPosition, normalize(vNormal), diffuseLight, specularLight);
    }
    if (uMono) {
        diffuseLight = vec3(OnRamp(diffuseLight.r));
        specularLight = vec3(OnRamp(specularLight.r));
    }
    fragColor = vec4(clamp(uEmissive + base.rgb * diffuseLight + uSpecular * specularLight,
                           0.0, 1.0), base.a);
}
)";

GLuint CompileStage(QOpenGLFunctions_3_3_Core& gl, GLenum stage, const char* body,
                    bool withLighting) {
    const QByteArray source = QByteArray("#version 330 core\n") +
                              (withLighting ? QByteArray(kLighting) : QByteArray()) + body;
    const char* text = source.constData();
    const GLuint shader = gl.glCreateShader(stage);
    gl.glShaderSource(shader, 1, &text, nullptr);
    gl.glCompileShader(shader);
    GLint compiled = 0;
    gl.glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        char log[1024] = {};
        gl.glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        qWarning("Shader compilation failed: %s", log);
        gl.glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

GLuint BuildShaderProgram(QOpenGLFunctions_3_3_Core& gl, ShaderUniforms& u) {
    const GLuint vertex = CompileStage(gl, GL_VERTEX_SHADER, kVertex, true);
    const GLuint fragment = CompileStage(gl, GL_FRAGMENT_SHADER, kFragment, true);
    GLuint program = 0;
    if (vertex != 0 && fragment != 0) {
        program = gl.glCreateProgram();
        gl.glAttachShader(program, vertex);
        gl.glAttachShader(program, fragment);
        gl.glLinkProgram(program);
        GLint linked = 0;
        gl.glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked == 0) {
            gl.glDeleteProgram(program);
            program = 0;
        }
    }
    gl.glDeleteShader(vertex);
    gl.glDeleteShader(fragment);
    if (program == 0) {
        return 0;
    }
    const auto at = [&](const char* name) { return gl.glGetUniformLocation(program, name); };
    u.modelView = at("uModelView");
    u.normalMatrix = at("uNormalMatrix");
    u.projection = at("uProjection");
    u.shadeMode = at("uShadeMode");
    u.lighting = at("uLighting");
    u.mono = at("uMono");
    u.shades = at("uShades");
    u.dither = at("uDither");
    u.ambient = at("uAmbient");
    u.lightCount = at("uLightCount");
    u.lightToward = at("uLightToward");
    u.lightColor = at("uLightColor");
    u.diffuse = at("uDiffuse");
    u.specular = at("uSpecular");
    u.emissive = at("uEmissive");
    u.power = at("uPower");
    u.hasTexture = at("uHasTexture");
    u.texture = at("uTexture");
    return program;
}

} // namespace qor
