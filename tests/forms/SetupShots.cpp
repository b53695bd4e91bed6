// Not a test: pictures for a person to look at. The settings dialog's four pages, and a small lit
// scene as the dialog's quality choices render it (wireframe, points, Gouraud) and through the
// mono driver. Writes PNG files into the folder given as the first argument.
#include "engine/GlScene.h"

#include "engine/RetainedMode.h"
#include "forms/FrmSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <cstdio>
#include <utility>

namespace {

using namespace qor;

struct Scene {
    explicit Scene(const GUID* driver) : gl(320, 240, driver) {
        gl.viewport->SetName("VideoPort");
        test::XMaterial orange;
        orange.diffuse = {1.0f, 0.55f, 0.1f, 1};
        test::XMaterial blue;
        blue.diffuse = {0.2f, 0.4f, 1.0f, 1};
        gl.AddModel(test::SphereX(1.2f, 16, 12, orange), -1.1f, 0, 6);
        RefPtr<IDirect3DRMFrame> box = gl.AddModel(test::BoxX(0.8f, blue), 1.5f, 0, 6);
        box->AddRotation(D3DRMCOMBINE_BEFORE, 1, 1, 0, 0.6f);
        gl.AddAmbientLight(0.25f, 0.25f, 0.25f);
        gl.AddDirectionalLight(0.9f, 0.9f, 0.9f);
    }
    test::GlScene gl;
};

bool Save(const QImage& image, const QString& path) {
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;
    {
        Scene scene(nullptr);
        if (!scene.gl.Ok()) {
            std::fprintf(stderr, "no device\n");
            return 1;
        }
        TSetupForm form;
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            std::fprintf(stderr, "the dialog did not become active\n");
            return 1;
        }
        auto* pages = form.findChild<QTabWidget*>("PageControl");
        // A composed render-state list, and a save, so that their pages show something.
        QTemporaryDir iniDir;
        form.SetSettingsFileName(iniDir.filePath("qor.ini"));
        auto* types = form.findChild<QComboBox*>("RSTypeCombo");
        auto* values = form.findChild<QComboBox*>("RSValCombo");
        for (const auto& [type, value] : {std::pair{"D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1"},
                                          std::pair{"D3DRENDERSTATE_ZFUNC=23", "D3DCMP_LESS=2"}}) {
            types->setCurrentIndex(types->findText(type));
            values->setCurrentIndex(values->findText(value));
            form.findChild<QPushButton*>("btnAdd")->click();
        }
        auto* dither = form.findChild<QCheckBox*>("cbDither");
        dither->click();
        dither->click();
        form.findChild<QPushButton*>("btnSave")->click();
        const char* names[] = {"page_device", "page_viewport", "page_renderstate", "page_drivers"};
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QTest::qWait(50);
            ok &= Save(form.grab().toImage(), out.filePath(QString("%1.png").arg(names[i])));
        }
        pages->setCurrentIndex(0);
        auto* quality = form.findChild<QComboBox*>("QualityCombo");
        auto* fill = form.findChild<QComboBox*>("FillCombo");
        const auto shot = [&](const char* name) {
            ok &= Save(scene.gl.device->GrabImage(), out.filePath(QString("%1.png").arg(name)));
        };
        // The device starts in Gouraud: choose another quality first, so that choosing Gouraud
        // is a change that redraws.
        quality->setCurrentIndex(quality->findText("FLAT"));
        quality->setCurrentIndex(quality->findText("GOURAUD"));
        shot("scene_gouraud");
        quality->setCurrentIndex(quality->findText("WIREFRAME"));
        shot("scene_wireframe");
        quality->setCurrentIndex(quality->findText("FLAT"));
        fill->setCurrentIndex(fill->findText("POINTS"));
        shot("scene_points");
        form.close();
    }
    {
        Scene scene(&Drivers()[1].guid);
        scene.gl.device->SetShades(8);
        ok &= Save(scene.gl.Render(), out.filePath("scene_mono.png"));
    }
    return ok ? 0 : 1;
}
