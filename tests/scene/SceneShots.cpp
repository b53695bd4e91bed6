// Not a test: pictures of the program's scene for a person to look at, rendered offscreen with
// the program's viewport settings. Usage: scene_shots OUTPUT_FOLDER (run it under xvfb-run).
#include "SceneRig.h"

#include "../support/Require.h"
#include "kinematics/Angles.h"
#include "platform/MessageBox.h"
#include "scene/MechanismScene.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <functional>

using namespace qor;

namespace {

struct Shot {
    const char* name;
    int width;
    int height;
    std::function<void(Mechanism&)> setUp; // changes to the defaults, for both mechanisms
    int steps;                             // of every driven link, one degree each
};

bool Render(const Shot& shot, const QDir& folder) {
    test::SceneRig rig(shot.width, shot.height);
    if (!rig.Ok()) {
        return false;
    }
    Mechanism m1 = test::DefaultMechanism(MechanismPlane::Horizontal);
    Mechanism m2 = test::DefaultMechanism(MechanismPlane::Vertical);
    if (shot.setUp) {
        shot.setUp(m1);
        shot.setUp(m2);
    }
    const PointBReadout none;
    MechanismScene scene(m1, m2, none, none);
    scene.SetModelSetRoot(QStringLiteral(QOR_MODEL_SET));
    scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get());
    for (Mechanism* m : {&m1, &m2}) {
        m->dFi = m->Velocity1;
        m->dGamma = -m->Velocity4;
        m->Running = true;
    }
    for (int i = 0; i < shot.steps; ++i) {
        scene.AdvanceRunning();
    }
    test::Require(rig.engine->Tick(0));
    const QString path = folder.filePath(QString::fromLatin1(shot.name) + ".png");
    const bool saved = rig.device->GrabImage().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: scene_shots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    MessageBoxRecorder boxes;
    // The longest links of the parameter dialog's lists, with the pivots as far apart as the
    // closing rule then allows: L1 + L4 + d = 20 = L2 + L3.
    const auto longest = [](Mechanism& m) {
        m.L1 = m.L4 = 7;
        m.L2 = m.L3 = 10;
        m.a = 6;
    };
    const auto longestTogether = [](Mechanism& m) {
        m.L1 = m.L4 = 10;
        m.L2 = m.L3 = 10;
        m.a = 0;
    };
    const Shot shots[] = {
        {"default_1366x768", 1366, 768, nullptr, 0},
        {"default_1920x1080", 1920, 1080, nullptr, 0},
        {"moving_1920x1080", 1920, 1080, nullptr, 60},
        {"longest_1920x1080", 1920, 1080, longest, 0},
        {"longest_turned_1920x1080", 1920, 1080, longest, 150},
        {"longest_together_1920x1080", 1920, 1080, longestTogether, 90},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        ok = Render(shot, folder) && ok;
    }
    return ok ? 0 : 1;
}
