// Shader sources and their compilation.
#include "engine/Shaders.h"

#include <QByteArray>

#include <algorithm>

namespace qor {

namespace {

// Both stages start with the variant's switches and the values passed between them, declared
// with VARYING (out in the vertex stage, in in the fragment stage).
const char* const kShared = R"(
#define LIT_PER_FACE (LIGHTING == 1 && SHADE_MODE == 0)
#define LIT_PER_VERTEX (LIGHTING == 1 && SHADE_MODE == 1)
#define LIT_PER_PIXEL (LIGHTING == 1 && SHADE_MODE == 2)
VARYING vec2 vUv;
#if LIT_PER_PIXEL
VARYING vec3 vPosition;
VARYING vec3 vNormal;
#endif
#if LIT_PER_VERTEX
VARYING vec3 vDiffuseLight;
VARYING vec3 vSpecularLight;
#endif
#if LIT_PER_FACE
// The light of the triangle's provoking vertex, the one that carries the face normal.
flat VARYING vec3 vDiffuseLight;
flat VARYING vec3 vSpecularLight;
#endif

// Diffuse and specular light reaching a point with a given normal, seen from a direction.
uniform vec3 uAmbient;
#if LIGHTS > 0
uniform vec3 uLightToward[LIGHTS];
uniform vec3 uLightColor[LIGHTS];
#endif
uniform vec3 uSpecular;
uniform float uPower;

void Lighting(vec3 toEye, vec3 normal, out vec3 diffuse, out vec3 specular) {
    diffuse = uAmbient;
    specular = vec3(0.0);
#if LIGHTS > 0
    for (int i = 0; i < LIGHTS; ++i) {
        float facing = dot(normal, uLightToward[i]);
        if (facing > 0.0) {
            diffuse += uLightColor[i] * facing;
            if (uPower > 0.0) {
                vec3 halfway = normalize(uLightToward[i] + toEye);
                specular += uLightColor[i] * pow(max(dot(normal, halfway), 0.0), uPower);
            }
        }
    }
#endif
}
)";

const char* const kVertex = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
uniform mat4 uModelView;
uniform mat3 uNormalMatrix;
uniform mat4 uProjection;
uniform bool uOrthographic;

void main() {
    vec4 position = uModelView * vec4(aPosition, 1.0);
    vUv = aUv;
#if LIT_PER_PIXEL
    vPosition = position.xyz;
    vNormal = normalize(uNormalMatrix * aNormal);
#endif
#if LIT_PER_VERTEX
    Lighting(normalize(-position.xyz), normalize(uNormalMatrix * aNormal), vDiffuseLight,
             vSpecularLight);
#endif
#if LIT_PER_FACE
    // An orthographic view sees every point along the camera's axis. The face is lit on the
    // side it is seen from, also from behind when culling is off.
    vec3 toEye = uOrthographic ? vec3(0.0, 0.0, -1.0) : normalize(-position.xyz);
    vec3 normal = normalize(uNormalMatrix * aNormal);
    Lighting(toEye, dot(normal, toEye) < 0.0 ? -normal : normal, vDiffuseLight, vSpecularLight);
#endif
    gl_Position = uProjection * position;
}
)";

const char* const kFragment = R"(
uniform float uShades;
uniform vec4 uDiffuse;
uniform vec3 uEmissive;
uniform bool uHasTexture;
uniform sampler2D uTexture;
out vec4 fragColor;

#if MONO
// An intensity on the ramp of uShades levels; the dither spreads the rounding over 4x4 pixels.
float OnRamp(float intensity) {
    float levels = uShades - 1.0;
#if DITHER
    const float kBayer[16] = float[16](0.0, 8.0, 2.0, 10.0, 12.0, 4.0, 14.0, 6.0,
                                       3.0, 11.0, 1.0, 9.0, 15.0, 7.0, 13.0, 5.0);
    ivec2 cell = ivec2(gl_FragCoord.xy) & 3;
    float threshold = (kBayer[cell.y * 4 + cell.x] + 0.5) / 16.0;
#else
    float threshold = 0.5;
#endif
    return clamp(floor(clamp(intensity, 0.0, 1.0) * levels + threshold) / levels, 0.0, 1.0);
}
#endif

void main() {
    vec4 base = uHasTexture ? uDiffuse * texture(uTexture, vUv) : uDiffuse;
#if LIGHTING == 0
    fragColor = base;
#else
    vec3 diffuseLight;
    vec3 specularLight;
#if SHADE_MODE == 2
    Lighting(normalize(-vPosition), normalize(vNormal), diffuseLight, specularLight);
#else
    diffuseLight = vDiffuseLight;
    specularLight = vSpecularLight;
#endif
#if MONO
    diffuseLight = vec3(OnRamp(diffuseLight.r));
    specularLight = vec3(OnRamp(specularLight.r));
#endif
    fragColor = vec4(clamp(uEmissive + base.rgb * diffuseLight + uSpecular * specularLight,
                           0.0, 1.0), base.a);
#endif
}
)";

QByteArray Prologue(const ShaderVariant& v, const char* varying) {
    return QByteArray("#version 330 core\n") + "#define SHADE_MODE " +
           QByteArray::number(v.shadeMode) + "\n#define LIGHTING " +
           QByteArray::number(v.lighting ? 1 : 0) + "\n#define MONO " +
           QByteArray::number(v.mono ? 1 : 0) + "\n#define DITHER " +
           QByteArray::number(v.dither ? 1 : 0) + "\n#define LIGHTS " +
           QByteArray::number(v.lights) + "\n#define VARYING " + varying + "\n" + kShared;
}

GLuint CompileStage(QOpenGLFunctions_3_3_Core& gl, GLenum stage, const QByteArray& source) {
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

ShaderVariant Normalized(ShaderVariant v) {
    v.shadeMode = std::clamp(v.shadeMode, 0, 2);
    v.lights = std::clamp(v.lights, 0, kMaxDirectionalLights);
    if (!v.lighting) {
        v = {0, false, false, false, 0};
    }
    v.dither = v.dither && v.mono;
    return v;
}

int VariantIndex(const ShaderVariant& variant) {
    const ShaderVariant v = Normalized(variant);
    const int colour = v.mono ? (v.dither ? 2 : 1) : 0;
    return ((v.shadeMode * 2 + (v.lighting ? 1 : 0)) * 3 + colour) * (kMaxDirectionalLights + 1) +
           v.lights;
}

ShaderProgram BuildShaderProgram(QOpenGLFunctions_3_3_Core& gl, const ShaderVariant& variant) {
    const ShaderVariant v = Normalized(variant);
    const GLuint vertex = CompileStage(gl, GL_VERTEX_SHADER, Prologue(v, "out") + kVertex);
    const GLuint fragment = CompileStage(gl, GL_FRAGMENT_SHADER, Prologue(v, "in") + kFragment);
    ShaderProgram program;
    if (vertex != 0 && fragment != 0) {
        program.id = gl.glCreateProgram();
        gl.glAttachShader(program.id, vertex);
        gl.glAttachShader(program.id, fragment);
        gl.glLinkProgram(program.id);
        GLint linked = 0;
        gl.glGetProgramiv(program.id, GL_LINK_STATUS, &linked);
        if (linked == 0) {
            gl.glDeleteProgram(program.id);
            program.id = 0;
        }
    }
    gl.glDeleteShader(vertex);
    gl.glDeleteShader(fragment);
    if (program.id == 0) {
        return program;
    }
    const auto at = [&](const char* name) { return gl.glGetUniformLocation(program.id, name); };
    ShaderUniforms& u = program.uniforms;
    u.modelView = at("uModelView");
    u.normalMatrix = at("uNormalMatrix");
    u.projection = at("uProjection");
    u.orthographic = at("uOrthographic");
    u.shades = at("uShades");
    u.ambient = at("uAmbient");
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
