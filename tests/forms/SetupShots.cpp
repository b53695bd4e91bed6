// Not a test: pictures for a person to look at. A small lit scene in a view host (TD3dView with
// one TVport "VideoPort", as the main window holds them) and the settings dialog over it: the
// dialog's four pages, then the scene as the dialog's choices render it (Gouraud, wireframe,
// points) and after a double click on the mono driver. Writes PNG files into the folder given
// as the first argument; fails when a picture of the view is not what its device drew.
#include "../engine/XFiles.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "forms/FrmSetup.h"
#include "view/D3dvcs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <cstdio>
#include <utility>

namespace {

using namespace qor;

void AddModel(TD3dView& view, const QString& path, const QByteArray& file, float x, float y,
              float z) {
    test::WriteFile(path, file);
    RefPtr<IDirect3DRMFrame> frame;
    test::Require(view.Engine->CreateFrame(view.SceneFrame.get(), frame));
    test::Require(frame->SetPosition(view.SceneFrame.get(), x, y, z));
    test::Require(frame->AddRotation(D3DRMCOMBINE_BEFORE, 1, 1, 0, 0.6f));
    RefPtr<IDirect3DRMMeshBuilder> builder;
    test::Require(view.Engine->CreateMeshBuilder(builder));
    test::Require(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE));
    test::Require(frame->AddVisual(builder.get()));
}

test::XMaterial Colour(float r, float g, float b) {
    test::XMaterial material;
    material.diffuse = {r, g, b, 1};
    return material;
}

void BuildScene(TD3dView& view, const QTemporaryDir& models) {
    AddModel(view, models.filePath("sphere.x"), test::SphereX(1.2f, 16, 12, Colour(1, 0.55f, 0.1f)),
             -1.1f, 0, 6);
    AddModel(view, models.filePath("box.x"), test::BoxX(0.8f, Colour(0.2f, 0.4f, 1)), 1.5f, 0, 6);
    RefPtr<IDirect3DRMLight> light;
    test::Require(view.Engine->CreateLightRGB(D3DRMLIGHT_DIRECTIONAL, 0.9f, 0.9f, 0.9f, light));
    test::Require(view.CameraFrame->AddLight(light.get()));
}

class Shots {
public:
    explicit Shots(const QDir& out) : out_(out) {}
    void Save(QWidget* widget, const char* name) {
        QTest::qWait(50);
        Write(widget->grab().toImage(), name);
    }
    // The view's picture lives in a native window with an OpenGL context of its own, which a
    // widget grab does not see: the shot is what that window shows, and it must be the device's
    // own picture, or the shot is refused.
    void Save(TD3dView* view, const char* name) {
        QTest::qWait(50);
        const QImage shown = view->GrabPicture().convertToFormat(QImage::Format_RGB32);
        const QImage drawn = view->Device ? view->Device->GrabImage()
                                                .copy(QRect(QPoint(0, 0), shown.size()))
                                                .convertToFormat(QImage::Format_RGB32)
                                          : QImage();
        if (shown.isNull() || shown != drawn) {
            ok_ = false;
            std::printf("%s: the view does not show the device's picture\n", name);
            return;
        }
        Write(shown, name);
    }
    bool Ok() const { return ok_; }

private:
    void Write(const QImage& image, const char* name) {
        const QString path = out_.filePath(QString("%1.png").arg(name));
        const bool written = image.save(path);
        ok_ &= written;
        std::printf("%s %s\n", written ? "wrote" : "could not write", qPrintable(path));
    }

    QDir out_;
    bool ok_ = true;
};

void Choose(TSetupForm& form, const char* combo, const char* text) {
    auto* box = form.findChild<QComboBox*>(combo);
    box->setCurrentIndex(box->findText(text));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Shots shots(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")));
    QTemporaryDir models;
    QTemporaryDir settings;

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new TD3dView;
    layout->addWidget(view);
    auto* vport = new TVport(view);
    vport->setObjectName("VideoPort");
    vport->SetAlign(TAlign::Client);
    window.resize(400, 300);
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the view did not appear\n");
        return 1;
    }
    view->CreateDevice(nullptr);
    BuildScene(*view, models);

    TSetupForm form;
    form.SetView(view);
    form.SetSettingsFileName(settings.filePath("qor.ini"));
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the dialog did not become active\n");
        return 1;
    }
    // A composed render-state list and a save, so that their pages show something.
    for (const auto& [type, value] : {std::pair{"D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1"},
                                      std::pair{"D3DRENDERSTATE_ZFUNC=23", "D3DCMP_LESS=2"}}) {
        Choose(form, "RSTypeCombo", type);
        Choose(form, "RSValCombo", value);
        form.findChild<QPushButton*>("btnAdd")->click();
    }
    auto* dither = form.findChild<QCheckBox*>("cbDither");
    dither->click();
    dither->click();
    form.findChild<QPushButton*>("btnSave")->click();

    auto* pages = form.findChild<QTabWidget*>("PageControl");
    const char* names[] = {"page_device", "page_viewport", "page_renderstate", "page_drivers"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        shots.Save(&form, names[i]);
    }
    pages->setCurrentIndex(0);

    // The device starts in Gouraud: another quality first, so that Gouraud is a change.
    Choose(form, "QualityCombo", "FLAT");
    Choose(form, "QualityCombo", "GOURAUD");
    shots.Save(view, "scene_gouraud");
    Choose(form, "QualityCombo", "WIREFRAME");
    shots.Save(view, "scene_wireframe");
    Choose(form, "QualityCombo", "FLAT");
    Choose(form, "FillCombo", "POINTS");
    shots.Save(view, "scene_points");
    Choose(form, "QualityCombo", "GOURAUD");

    pages->setCurrentIndex(3);
    auto* drivers = form.findChild<QListWidget*>("lbDrivers");
    const QPoint mono = drivers->visualItemRect(drivers->item(1)).center();
    QTest::mouseClick(drivers->viewport(), Qt::LeftButton, {}, mono);
    QTest::mouseDClick(drivers->viewport(), Qt::LeftButton, {}, mono);
    shots.Save(view, "scene_mono");
    shots.Save(&form, "page_drivers_after_mono");
    form.close();
    return shots.Ok() ? 0 : 1;
}
