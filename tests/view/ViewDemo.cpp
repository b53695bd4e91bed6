// Not a test: a window that shows a small spinning scene through TD3dView and TVport, for a
// person to look at under Xvfb. It takes screenshots of the whole screen with
// "import -window root" into the folder given as its argument: with the default driver, after
// the device was re-created with the mono driver, and after the window was resized.
#include "../engine/XFiles.h"

#include "../support/Require.h"
#include "engine/Drivers.h"
#include "engine/RetainedMode.h"
#include "view/D3dvcs.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace qor;

RefPtr<IDirect3DRMFrame> AddModel(TD3dView& host, IDirect3DRMFrame* parent, const QString& path,
                                  const QByteArray& file, float x, float y, float z) {
    test::WriteFile(path, file);
    RefPtr<IDirect3DRMFrame> frame;
    test::Require(host.Engine->CreateFrame(parent, frame));
    test::Require(frame->SetPosition(host.SceneFrame.get(), x, y, z));
    RefPtr<IDirect3DRMMeshBuilder> builder;
    test::Require(host.Engine->CreateMeshBuilder(builder));
    test::Require(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE));
    test::Require(frame->AddVisual(builder.get()));
    return frame;
}

test::XMaterial Colour(float r, float g, float b) {
    test::XMaterial material;
    material.diffuse = {r, g, b, 1};
    return material;
}

void Screenshot(const QString& path) {
    const int code = QProcess::execute("import", {"-window", "root", path});
    std::printf("%s: %s\n", qPrintable(path), code == 0 ? "written" : "import failed");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    QTemporaryDir models;

    QWidget window;
    window.setWindowTitle("TD3dView");
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* host = new TD3dView(&window);
    layout->addWidget(host);
    auto* port = new TVport(host);
    port->setObjectName("VideoPort");
    port->SetAlign(TAlign::Client);
    host->CreateDevice(nullptr);
    window.resize(640, 480);
    window.move(20, 20);

    // Seen as the main window sees its scene: orthographic, from above and in front.
    test::Require(port->Viewport->SetProjection(D3DRMPROJECT_ORTHOGRAPHIC));
    test::Require(port->Viewport->SetFront(0.1f));
    test::Require(port->Viewport->SetBack(5000));
    test::Require(port->Viewport->SetField(4));
    test::Require(host->CameraFrame->SetPosition(host->SceneFrame.get(), 0, 6, -10));
    test::Require(host->CameraFrame->SetOrientation(host->SceneFrame.get(), 0, -6, 10, 0, 1, 0));
    RefPtr<IDirect3DRMLight> sun;
    test::Require(host->Engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 0.8f, 0.8f, 0.8f, sun));
    test::Require(host->CameraFrame->AddLight(sun.get()));

    RefPtr<IDirect3DRMFrame> turntable;
    test::Require(host->Engine->CreateFrame(host->SceneFrame.get(), turntable));
    test::Require(turntable->SetRotation(host->SceneFrame.get(), 0, 1, 0, 0.02f));
    std::vector<RefPtr<IDirect3DRMFrame>> frames;
    const auto path = [&models](const char* name) { return models.filePath(name); };
    frames.push_back(AddModel(*host, turntable.get(), path("base.x"),
                              test::BoxX(1, Colour(0.2f, 0.5f, 0.9f)), 0, -1, 0));
    frames.push_back(AddModel(*host, turntable.get(), path("ball.x"),
                              test::SphereX(1, 24, 16, Colour(0.9f, 0.3f, 0.2f)), 2.5f, 0, 0));
    frames.push_back(AddModel(*host, turntable.get(), path("cube.x"),
                              test::BoxX(0.6f, Colour(0.3f, 0.9f, 0.3f)), -2.5f, 0, 0.5f));
    window.show();

    // Each stage renders some frames, then does its step.
    const std::vector<std::function<void()>> stages{
        [&] { Screenshot(out.filePath("view_rgb.png")); },
        [&] { host->CreateDevice(&Drivers()[1].guid); },
        [&] { Screenshot(out.filePath("view_mono.png")); },
        [&] { window.resize(900, 420); },
        [&] { Screenshot(out.filePath("view_resized.png")); },
        [&] { app.quit(); },
    };
    int step = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        host->RenderStep();
        if (++step % 40 == 0 && step / 40 <= static_cast<int>(stages.size())) {
            stages[step / 40 - 1]();
        }
    });
    timer.start(16);
    return app.exec();
}
