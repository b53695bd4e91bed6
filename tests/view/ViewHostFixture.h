// A shown view host with one viewport control "VideoPort" filling it, as the main window has
// it, a recorder that answers the message boxes, and a scene helper. Every test ends with the
// host destroyed and no engine object left alive.
#pragma once

#include "../engine/XFiles.h"

#include "../support/GlErrors.h"
#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "platform/MessageBox.h"
#include "view/D3dvcs.h"

#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

namespace qor::test {

// Counts its paints; with failAll, no driver gives a device. A valid screen stands for the
// screen the view is on.
class TestView : public TD3dView {
public:
    explicit TestView(bool failAll = false) : failAll_(failAll) {}
    int paints = 0;
    QSize screenPixels;

    // As the window system reports that the window has reached the screen set above.
    void MoveToScreen(QSize pixels) {
        screenPixels = pixels;
        emit window()->windowHandle()->screenChanged(window()->windowHandle()->screen());
    }

protected:
    QSize ScreenPixels() const override {
        return screenPixels.isValid() ? screenPixels : TD3dView::ScreenPixels();
    }
    HRESULT CreateDeviceFromClipper(const GUID* driver, int width, int height) override {
        return failAll_ ? D3DRMERR_BADDEVICE
                        : TD3dView::CreateDeviceFromClipper(driver, width, height);
    }
    void Paint() override {
        ++paints;
        TD3dView::Paint();
    }

private:
    bool failAll_;
};

class ViewHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(IDirect3DRMObject::LiveObjectCount(), 0);
        Place(std::make_unique<TestView>());
        Show();
        ASSERT_TRUE(host->Device);
    }
    void TearDown() override {
        EXPECT_EQ(GlErrorNames(TakeGlErrors()).toStdString(), "none") << "left by the drawing";
        DestroyHost();
        EXPECT_EQ(IDirect3DRMObject::LiveObjectCount(), 0);
    }

    // The view fills a window of 200 x 150, as the main window's client area holds it.
    void Place(std::unique_ptr<TestView> view) {
        DestroyHost();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        host = view.release();
        layout->addWidget(host);
        vport = new TVport(host);
        vport->setObjectName("VideoPort");
        vport->SetAlign(TAlign::Client);
        window->resize(200, 150);
    }
    void Show() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void DestroyHost() {
        window.reset();
        host = nullptr;
        vport = nullptr;
    }

    // A model in a new frame under parent (the scene root by default) at (x, y, z).
    RefPtr<IDirect3DRMFrame> AddModel(const QByteArray& file, float x, float y, float z,
                                      IDirect3DRMFrame* parent = nullptr) {
        const QString path = dir.filePath(QString("model%1.x").arg(files_++));
        WriteFile(path, file);
        RefPtr<IDirect3DRMFrame> frame;
        Require(
            host->Engine->CreateFrame(parent != nullptr ? parent : host->SceneFrame.get(), frame));
        Require(frame->SetPosition(host->SceneFrame.get(), x, y, z));
        RefPtr<IDirect3DRMMeshBuilder> builder;
        Require(host->Engine->CreateMeshBuilder(builder));
        EXPECT_EQ(builder->Load(path.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE), D3DRM_OK);
        Require(frame->AddVisual(builder.get()));
        return frame;
    }

    MessageBoxRecorder boxes;
    QTemporaryDir dir;
    std::unique_ptr<QWidget> window;
    TestView* host = nullptr; // owned by window
    TVport* vport = nullptr;

private:
    int files_ = 0;
};

} // namespace qor::test
