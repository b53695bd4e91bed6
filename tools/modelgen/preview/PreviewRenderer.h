// A quick orthographic picture of placed models for looking at them: a small depth-buffered
// rasteriser that culls back faces, drops what lies before the front plane, lights each vertex
// with one directional light and an ambient term (Gouraud), multiplies in the texture and
// draws at twice the size before scaling down, which smooths the edges.
#pragma once

#include "ModelReader.h"
#include "Placement.h"

#include <QImage>
#include <QString>

#include <map>
#include <string>
#include <vector>

namespace qor::modelgen {

struct PlacedModel {
    const LoadedModel* model = nullptr;
    Placement placement;
};

struct PreviewCamera {
    Vec3 position;
    Vec3 direction;
    Vec3 up{0, 1, 0};
    // Half the picture's height in scene units; 0 fits the picture to the models.
    double field = 0;
};

struct PreviewLight {
    Vec3 direction{0, 0, 1};
    double ambient = 0.5;
};

class PreviewRenderer {
public:
    PreviewRenderer(int width, int height) : width_(width), height_(height) {}

    // Textures named by materials are looked up here by their file name.
    void AddTexture(const std::string& name, const QImage& image) { textures_[name] = image; }

    QImage Render(const std::vector<PlacedModel>& models, const PreviewCamera& camera,
                  const PreviewLight& light, const QString& caption) const;

private:
    int width_;
    int height_;
    std::map<std::string, QImage> textures_;
};

} // namespace qor::modelgen
