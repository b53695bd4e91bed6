// The triangles of a scene drawn through the plainest OpenGL loop written for the purpose: one
// vertex and one index buffer per mesh, one shader (lit per vertex by an ambient and one
// directional light, material colours, the same textures with the same filter), no engine. The
// benchmark hands it the meshes and, per frame, the matrices the engine used, so that the two
// draw the same triangles; it is the cost a frame of the program's flat quality should not
// exceed by much.
#pragma once

#include "engine/Math3d.h"
#include "engine/MeshData.h"

#include <QImage>
#include <QOpenGLFunctions_3_3_Core>

#include <array>
#include <memory>
#include <vector>

namespace qor::bench {

struct BareItem {
    int mesh = 0;    // as AddMesh numbered it
    Mat4f modelView; // model to view space
};

struct BareLights {
    std::array<float, 3> ambient{};
    std::array<float, 3> toward{}; // towards the directional light, in view space
    std::array<float, 3> color{};
};

class BareLoop {
public:
    // Needs a current OpenGL 3.3 core context, which every later call needs too; null when the
    // framebuffer or the shader cannot be made.
    static std::unique_ptr<BareLoop> Create(int width, int height);
    BareLoop(const BareLoop&) = delete;
    BareLoop& operator=(const BareLoop&) = delete;
    ~BareLoop();

    // Uploads a mesh with its textures; returns its number.
    int AddMesh(const MeshData& mesh);
    void SetScene(const Mat4f& projection, const BareLights& lights);
    // Clears the picture and draws the items; the commands are only issued.
    void Draw(const BareItem* items, std::size_t count);
    QImage ReadPixels();

private:
    struct Range {
        GLsizei count = 0;
        std::uintptr_t offset = 0;
        GLuint texture = 0;
        MeshMaterial material;
    };
    struct Mesh {
        GLuint vertexArray = 0;
        GLuint buffers[2] = {0, 0};
        std::vector<Range> ranges;
    };

    BareLoop(QOpenGLFunctions_3_3_Core& gl, int width, int height);
    bool Initialize();

    QOpenGLFunctions_3_3_Core& gl_;
    int width_;
    int height_;
    GLuint framebuffer_ = 0;
    GLuint color_ = 0;
    GLuint depth_ = 0;
    GLuint program_ = 0;
    GLint modelView_ = -1;
    GLint projection_ = -1;
    GLint diffuse_ = -1;
    GLint specular_ = -1;
    GLint emissive_ = -1;
    GLint power_ = -1;
    GLint hasTexture_ = -1;
    GLint ambient_ = -1;
    GLint toward_ = -1;
    GLint lightColor_ = -1;
    std::vector<Mesh> meshes_;
};

} // namespace qor::bench
