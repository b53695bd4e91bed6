// qor-modelpreview QORX OUTPUT: loads the model set with assimp as the engine will and writes
// orthographic pictures of it to OUTPUT for a person to look at: the whole scene placed as the
// program places it (with the program's camera and light), close-ups of both mechanisms, the
// ten links, the hinges and both sets of axes turned into their scene directions.
#include "ModelReader.h"
#include "Placement.h"
#include "PreviewRenderer.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <exception>
#include <iostream>
#include <numbers>

namespace {

using namespace qor::modelgen;

constexpr double pi = std::numbers::pi;

double Radians(double degrees) {
    return degrees * pi / 180;
}

struct Linkage {
    double a, b, L1, L2, L3, L4, Fi, Gamma; // angles in degrees
};

// Psi and Ksi of the closed linkage, with B on the left of the line from link 1's moving end to
// link 4's moving end (the branch the program starts on for its defaults).
std::pair<double, double> CouplerAngles(const Linkage& k) {
    const double x12 = k.L1 * std::cos(Radians(k.Fi)), y12 = k.L1 * std::sin(Radians(k.Fi));
    const double x43 = k.a + k.L4 * std::cos(Radians(k.Gamma));
    const double y43 = k.b + k.L4 * std::sin(Radians(k.Gamma));
    const double dx = x43 - x12, dy = y43 - y12, d = std::hypot(dx, dy);
    const double along = (d * d + k.L2 * k.L2 - k.L3 * k.L3) / (2 * d);
    const double across = std::sqrt(k.L2 * k.L2 - along * along);
    const double bx = x12 + (along * dx - across * dy) / d;
    const double by = y12 + (along * dy + across * dx) / d;
    return {std::atan2(by - y12, bx - x12), std::atan2(by - y43, bx - x43)};
}

const Vec3 yAxis{0, 1, 0};

Placement Shifted(Vec3 shift, Turn turn = {}) {
    return {turn, shift};
}

class ModelShelf {
public:
    explicit ModelShelf(const QString& folder) : folder_(folder) {}
    const LoadedModel& Get(const QString& path) {
        auto found = models_.find(path.toStdString());
        if (found == models_.end())
            found = models_
                        .emplace(path.toStdString(),
                                 ReadModel(QDir(folder_).filePath(path).toStdString()))
                        .first;
        return found->second;
    }

private:
    QString folder_;
    std::map<std::string, LoadedModel> models_;
};

QString LinkFile(double length) {
    return QString("LINKS/L%1.x").arg(static_cast<int>(length));
}

// The frames of one mechanism under its base frame, turned as the initial pose turns them.
void AddMechanism(std::vector<PlacedModel>& scene, ModelShelf& shelf, const Placement& base,
                  const Linkage& k, double lift, const Turn& upright, Vec3 pivot1, Vec3 pivot4,
                  const QString& hinge) {
    const auto [psi, ksi] = CouplerAngles(k);
    const Turn turn1 = upright * TurnAbout(yAxis, -Radians(k.Fi));
    const Turn turn4 = upright * TurnAbout(yAxis, -Radians(k.Gamma));
    const Turn turn2 = TurnAbout(yAxis, Radians(k.Fi)) * TurnAbout(yAxis, -psi);
    const Turn turn3 = TurnAbout(yAxis, Radians(k.Gamma)) * TurnAbout(yAxis, -ksi);
    const Placement link1 = base * Shifted(pivot1, turn1);
    const Placement link2 = link1 * Shifted({k.L1, lift, 0}, turn2);
    const Placement link4 = base * Shifted(pivot4, turn4);
    const Placement link3 = link4 * Shifted({k.L4, lift, 0}, turn3);
    scene.push_back({&shelf.Get(LinkFile(k.L1)), link1});
    scene.push_back({&shelf.Get(LinkFile(k.L2)), link2});
    scene.push_back({&shelf.Get(LinkFile(k.L4)), link4});
    scene.push_back({&shelf.Get(LinkFile(k.L3)), link3});
    scene.push_back({&shelf.Get(hinge), link2 * Shifted({k.L2, 0, 0})});
    scene.push_back({&shelf.Get("ENV/xyz.x"), base * Shifted(pivot1, TurnAbout(yAxis, -pi / 2))});
}

std::vector<PlacedModel> Scene(ModelShelf& shelf, const Linkage& floorLinkage,
                               const Linkage& wallLinkage) {
    const Placement floor = Shifted({5.5, 0, 2.0});
    std::vector<PlacedModel> scene = {
        {&shelf.Get("ENV/floors.x"), floor},
        {&shelf.Get("ENV/walls.x"), floor},
        {&shelf.Get("ENV/xyzb.x"), floor * Shifted({-5, 0, 0}, TurnAbout(yAxis, -pi / 2))},
    };
    const Linkage& f = floorLinkage;
    AddMechanism(scene, shelf, floor, f, 0.1, {}, {-f.a / 2, 0.1, -9.5}, {f.a / 2, 0.1, f.b - 9.5},
                 "ENV/hingepurple.x");
    const Linkage& w = wallLinkage;
    AddMechanism(scene, shelf, floor, w, 0.2, TurnAbout({1, 0, 0}, -pi / 2), {-w.a / 2, 1.0, -0.2},
                 {w.a / 2, w.b + 1.0, -0.2}, "ENV/hingeyello.x");
    return scene;
}

// The program's camera direction, moved back from `target` so that it stays in front.
PreviewCamera ProgramCamera(Vec3 target, double field) {
    const Vec3 direction{0, -0.8, 1.0};
    return {target - 20.0 * Normalized(direction), direction, yAxis, field};
}

void Save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    if (!image.save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::cout << path.toStdString() << '\n';
}

void WritePictures(const QString& models, const QString& output) {
    QDir().mkpath(output);
    ModelShelf shelf(models);
    PreviewRenderer renderer(1024, 768);
    renderer.AddTexture("cmgrid.bmp", QImage(QDir(models).filePath("ENV/cmgrid.bmp")));
    const PreviewLight programLight{{0, 0, 1}, 0.5};
    const PreviewLight sideLight{{0.4, -0.8, 0.6}, 0.45};

    const Linkage defaults{3, 0, 3, 6, 6, 3, 0, 0};
    Save(renderer.Render(Scene(shelf, defaults, defaults),
                         {{5.0, 10.0, -10.0}, {0, -0.8, 1.0}, yAxis, 14}, programLight,
                         "Scene as built, dialog defaults, program camera, field 14"),
         output, "scene_default.png");

    const Linkage floorPose{4, 2, 3, 7, 7, 4, 40, 110};
    const Linkage wallPose{3, 1, 2, 6, 6, 3, 120, 60};
    Save(renderer.Render(Scene(shelf, floorPose, wallPose),
                         {{5.0, 10.0, -10.0}, {0, -0.8, 1.0}, yAxis, 14}, programLight,
                         "Scene, floor: a=4 b=2 L=3,7,7,4 Fi=40 Gamma=110; "
                         "wall: a=3 b=1 L=2,6,6,3 Fi=120 Gamma=60"),
         output, "scene_pose.png");
    Save(renderer.Render(Scene(shelf, floorPose, wallPose), ProgramCamera({6, 0.1, -3}, 5),
                         programLight, "Floor mechanism close up (program light)"),
         output, "closeup_floor.png");
    Save(renderer.Render(Scene(shelf, floorPose, wallPose), ProgramCamera({5, 5, 2}, 5),
                         programLight, "Wall mechanism close up (program light)"),
         output, "closeup_wall.png");

    std::vector<PlacedModel> links;
    for (int n = 1; n <= 10; ++n)
        links.push_back({&shelf.Get(LinkFile(n)), Shifted({0, 0, -0.9 * n})});
    Save(renderer.Render(links, {{5, 10, -12}, {0.25, -1, 0.7}, yAxis, 0}, sideLight,
                         "L1.x .. L10.x, pivots at x = 0"),
         output, "links.png");

    std::vector<PlacedModel> hinges = {
        {&shelf.Get("ENV/hingepurple.x"), {}},
        {&shelf.Get("LINKS/L1.x"), Shifted({0, 0, 0}, TurnAbout(yAxis, pi))},
        {&shelf.Get("LINKS/L1.x"), Shifted({0, 0, 0}, TurnAbout(yAxis, pi / 3))},
        {&shelf.Get("ENV/hingeyello.x"), Shifted({2, 0, 0})},
        {&shelf.Get("LINKS/L1.x"), Shifted({2, 0, 0}, TurnAbout(yAxis, -pi / 4))},
        {&shelf.Get("LINKS/L1.x"), Shifted({2, 0, 0}, TurnAbout(yAxis, -pi / 2))},
    };
    Save(renderer.Render(hinges, {{0, 5, -5}, {0.3, -1, 1}, yAxis, 0}, sideLight,
                         "hingepurple.x and hingeyello.x over two link ends meeting at B"),
         output, "hinges.png");

    const Turn axesTurn = TurnAbout(yAxis, -pi / 2);
    std::vector<PlacedModel> axes = {
        {&shelf.Get("ENV/xyz.x"), Shifted({0, 0, 0}, axesTurn)},
        {&shelf.Get("ENV/xyzb.x"), Shifted({8, 0, 0}, axesTurn)},
    };
    Save(renderer.Render(axes, {{0, 4, -10}, {0.35, -0.45, 1}, yAxis, 0}, sideLight,
                         "xyz.x and xyzb.x turned by -90 deg about y as placed: lime +x, blue "
                         "+y, red -z (towards the viewer)"),
         output, "axes.png");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: qor-modelpreview QORX OUTPUT\n";
        return 2;
    }
    try {
        WritePictures(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::cerr << "qor-modelpreview: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
