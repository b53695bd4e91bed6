#include "PreviewRenderer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qor::modelgen {

namespace {

constexpr double frontPlane = 0.1;
constexpr int supersampling = 2;

struct ScreenVertex {
    double x = 0, y = 0, depth = 0;
    Rgb lit;
    double u = 0, v = 0;
};

Rgb Lit(const Material& m, double lambert, double ambient) {
    const auto channel = [&](double diffuse, double emissive) {
        return std::clamp(diffuse * (ambient + lambert) + emissive, 0.0, 1.0);
    };
    return {channel(m.diffuse.r, m.emissive.r), channel(m.diffuse.g, m.emissive.g),
            channel(m.diffuse.b, m.emissive.b)};
}

class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height), image_(width, height, QImage::Format_RGB32),
          depth_(static_cast<std::size_t>(width) * height, std::numeric_limits<double>::max()) {
        image_.fill(QColor(40, 44, 52));
    }

    void Fill(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
              const QImage* texture) {
        const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (std::abs(area) < 1e-12)
            return;
        const int left = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        const int right =
            std::min(width_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        const int top = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        const int bottom =
            std::min(height_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int py = top; py <= bottom; ++py) {
            for (int px = left; px <= right; ++px) {
                const double x = px + 0.5, y = py + 0.5;
                const double wa = ((b.x - x) * (c.y - y) - (b.y - y) * (c.x - x)) / area;
                const double wb = ((c.x - x) * (a.y - y) - (c.y - y) * (a.x - x)) / area;
                const double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0)
                    continue;
                const double depth = wa * a.depth + wb * b.depth + wc * c.depth;
                double& stored = depth_[static_cast<std::size_t>(py) * width_ + px];
                if (depth < frontPlane || depth >= stored)
                    continue;
                stored = depth;
                Rgb colour{wa * a.lit.r + wb * b.lit.r + wc * c.lit.r,
                           wa * a.lit.g + wb * b.lit.g + wc * c.lit.g,
                           wa * a.lit.b + wb * b.lit.b + wc * c.lit.b};
                if (texture != nullptr)
                    colour = Modulated(colour, *texture, wa * a.u + wb * b.u + wc * c.u,
                                       wa * a.v + wb * b.v + wc * c.v);
                image_.setPixel(px, py,
                                qRgb(static_cast<int>(255 * colour.r),
                                     static_cast<int>(255 * colour.g),
                                     static_cast<int>(255 * colour.b)));
            }
        }
    }

    const QImage& Image() const { return image_; }

private:
    // The texture repeats; v grows upwards in the image, as the engine receives it.
    static Rgb Modulated(Rgb colour, const QImage& texture, double u, double v) {
        const auto wrap = [](double t, int size) {
            const int i = static_cast<int>(std::floor(t * size)) % size;
            return i < 0 ? i + size : i;
        };
        const QRgb texel = texture.pixel(wrap(u, texture.width()), wrap(1 - v, texture.height()));
        return {colour.r * qRed(texel) / 255, colour.g * qGreen(texel) / 255,
                colour.b * qBlue(texel) / 255};
    }

    int width_, height_;
    QImage image_;
    std::vector<double> depth_;
};

} // namespace

QImage PreviewRenderer::Render(const std::vector<PlacedModel>& models, const PreviewCamera& camera,
                               const PreviewLight& light, const QString& caption) const {
    // The camera frame: z along the view direction, y along up made orthogonal, x = y x z.
    const Vec3 zAxis = Normalized(camera.direction);
    const Vec3 yAxis = Normalized(camera.up - Dot(camera.up, zAxis) * zAxis);
    const Vec3 xAxis = Cross(yAxis, zAxis);
    const auto toView = [&](Vec3 p) {
        const Vec3 d = p - camera.position;
        return Vec3{Dot(d, xAxis), Dot(d, yAxis), Dot(d, zAxis)};
    };
    const Vec3 towardsLight = -1.0 * Normalized(light.direction);

    double scale = height_ / (2 * camera.field);
    double centreX = 0, centreY = 0;
    if (camera.field <= 0) {
        double left = std::numeric_limits<double>::max(), right = -left;
        double bottom = left, top = -left;
        for (const PlacedModel& placed : models) {
            for (const LoadedPart& part : placed.model->parts) {
                for (const Vertex& v : part.vertices) {
                    const Vec3 p = toView(placed.placement * v.position);
                    left = std::min(left, p.x);
                    right = std::max(right, p.x);
                    bottom = std::min(bottom, p.y);
                    top = std::max(top, p.y);
                }
            }
        }
        scale = 0.85 * std::min(width_ / (right - left), height_ / (top - bottom));
        centreX = (left + right) / 2;
        centreY = (bottom + top) / 2;
    }

    const int w = width_ * supersampling, h = height_ * supersampling;
    Canvas canvas(w, h);
    for (const PlacedModel& placed : models) {
        for (const LoadedPart& part : placed.model->parts) {
            const auto found = textures_.find(part.material.texture);
            const QImage* texture = found == textures_.end() ? nullptr : &found->second;
            std::vector<ScreenVertex> screen;
            for (const Vertex& v : part.vertices) {
                const Vec3 p = toView(placed.placement * v.position);
                const Vec3 n = Normalized(placed.placement.turn * v.normal);
                screen.push_back(
                    {w / 2.0 + (p.x - centreX) * scale * supersampling,
                     h / 2.0 - (p.y - centreY) * scale * supersampling, p.z,
                     Lit(part.material, std::max(0.0, Dot(n, towardsLight)), light.ambient), v.u,
                     v.v});
            }
            for (const auto& t : part.triangles) {
                const ScreenVertex& a = screen[t[0]];
                const ScreenVertex& b = screen[t[1]];
                const ScreenVertex& c = screen[t[2]];
                // A front face runs clockwise as seen by the camera; on the screen, whose y runs
                // downwards, that is a positive signed area.
                if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) <= 0)
                    continue;
                canvas.Fill(a, b, c, texture);
            }
        }
    }

    QImage image =
        canvas.Image().scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, width_, 28), QColor(0, 0, 0, 160));
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, width_ - 20, 28), Qt::AlignLeft | Qt::AlignVCenter, caption);
    return image;
}

} // namespace qor::modelgen
