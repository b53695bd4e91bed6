// The 3D view host.
#include "view/TD3dView.h"

#include "engine/RetainedMode.h"
#include "platform/MessageBox.h"
#include "view/D3dUtil.h"
#include "view/DevicePixels.h"
#include "view/FrameMotion.h"
#include "view/PictureWindow.h"
#include "view/ResultCodeNames.h"
#include "view/TVport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <fenv.h>

namespace qor {

namespace {
// Window activation states.
constexpr std::uint16_t kInactive = 0;
constexpr std::uint16_t kActive = 1;
} // namespace

TD3dView::TD3dView(QWidget* owner) : QWidget(owner) {
    // The engine's arithmetic may overflow or divide by zero on degenerate scenes; that must
    // give infinities, not a trap.
    fedisableexcept(FE_ALL_EXCEPT);
    RMTickValue = 1;
    // The picture window covers the whole control; nothing of the control itself is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_ = new PictureWindow([this] { Paint(); });
    pictureContainer_ = QWidget::createWindowContainer(picture_, this);
    pictureContainer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pictureContainer_->setFocusPolicy(Qt::NoFocus);
    resize(200, 150);
    color_ = palette().color(QPalette::Base);

    // Results are not examined: an object that could not be made stays null, and the host checks
    // for it before every use.
    (void)Direct3DRMCreate(Engine);
    (void)Engine->CreateFrame(nullptr, SceneFrame);
    (void)Engine->CreateFrame(SceneFrame.get(), CameraFrame);
    (void)Engine->CreateLightRGB(D3DRMLIGHT_AMBIENT, 0.5f, 0.5f, 0.5f, AmbientLight);
    (void)SceneFrame->AddLight(AmbientLight.get());
    (void)DirectDrawCreate(nullptr, DirectDraw);
    (void)DirectDraw->CreateClipper(0, Clipper);
}

TD3dView::~TD3dView() {
    ReleaseEngine();
}

void TD3dView::CreateDevice(const GUID* driver) {
    BindClipper();
    const QList<TVport*> vports = Vports();
    for (TVport* vport : vports) {
        vport->DetachViewport();
    }
    ReleaseDevice();

    const QSize screen = NeededPixels();
    const HRESULT result = CreateDeviceFromClipper(driver, screen.width(), screen.height());
    if (Failed(result)) {
        ShowMessageBox(nullptr,
                       tr("Не получается создать устройство\nHRESULT = %1\nПопробуйте "
                          "использовать драйвер по умолчанию!")
                           .arg(HResultToText(result)),
                       tr("Ошибка утройства"), MsgIcon::Warning, MsgButtons::Ok);
        ReleaseDevice();
        CreateDeviceFromClipper(nullptr, screen.width(), screen.height());
    }
    if (Device) {
        Device->SetPresenter([this] { PresentNow(); });
    }

    for (TVport* vport : vports) {
        vport->AttachViewport(Engine.get(), Device.get(), CameraFrame.get());
    }
    if (CullNone) {
        // Not examined: a device that refuses keeps culling, and the scene still shows.
        (void)SetRenderState(Device.get(), D3DRENDERSTATE_CULLMODE, D3DCULL_NONE);
    }
    UpdateBackground();
}

HRESULT TD3dView::CreateDeviceFromClipper(const GUID* driver, int width, int height) {
    return Engine->CreateDeviceFromClipper(Clipper.get(), driver, width, height, Device);
}

void TD3dView::ReleaseEngine() {
    for (TVport* vport : Vports()) {
        vport->ReleaseViewport();
    }
    ReleaseDevice();
    AmbientLight.reset();
    CameraFrame.reset();
    ClearFrame(SceneFrame.get());
    SceneFrame.reset();
    Engine.reset();
    Clipper.reset();
    DirectDraw.reset();
}

void TD3dView::ReleaseDevice() {
    if (Device) {
        // Whoever else still holds the device must not reach this widget through it.
        Device->SetPresenter({});
        Device.reset();
    }
}

void TD3dView::RenderStep() {
    if (Engine && Device && SceneFrame) {
        // Not examined: a step or a redraw that fails leaves the last picture shown.
        (void)Engine->Tick(static_cast<D3DVALUE>(RMTickValue));
    }
    if (OnRedraw) {
        OnRedraw(this);
    }
}

void TD3dView::Redraw() {
    if (Engine && Device && SceneFrame) {
        (void)Engine->Tick(0.0f);
    }
    if (OnRedraw) {
        OnRedraw(this);
    }
}

void TD3dView::AppIdle(QObject*, bool& done) {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        done = true;
        return;
    }
    if (!FastLoop || HasMotion(SceneFrame.get())) {
        RenderStep();
        done = false;
    }
}

bool TD3dView::HasMotion(IDirect3DRMFrame* frame) {
    return AnyDescendantMoves(frame, SceneFrame.get());
}

void TD3dView::UpdateBackground() {
    if (SceneFrame) {
        // Not examined: black is always taken.
        (void)SceneFrame->SetSceneBackgroundRGB(0.0f, 0.0f, 0.0f);
        Redraw();
    }
}

void TD3dView::ActivateDevice(std::uint16_t state) {
    if (!Device) {
        return;
    }
    RefPtr<IDirect3DRMWinDevice> winDevice;
    if (Succeeded(Device->QueryInterface(IID_IDirect3DRMWinDevice, winDevice)) && winDevice) {
        // Not examined: activation only tells the device, which has nothing to refuse.
        (void)winDevice->HandleActivate(state);
    }
}

void TD3dView::Update() {
    for (TVport* vport : Vports()) {
        vport->Update();
    }
    if (Device) {
        // Not examined: presenting has no failure of its own.
        (void)Device->Update();
    }
}

void TD3dView::AlignControls() {
    for (TVport* vport : Vports()) {
        vport->AlignToParent();
    }
    Redraw();
}

void TD3dView::SetColor(const QColor& color) {
    if (color != color_) {
        color_ = color;
        UpdateBackground();
    }
}

void TD3dView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    // The window exists from here on.
    shown_ = true;
    if (QWindow* shownIn = window()->windowHandle()) {
        connect(shownIn, &QWindow::screenChanged, this, &TD3dView::ScreenChanged);
    }
    BindClipper();
    if (!Device) {
        CreateDevice(nullptr);
    }
}

void TD3dView::paintEvent(QPaintEvent*) {}

void TD3dView::Paint() {
    if (Engine && Device && SceneFrame) {
        // Whatever these render is shown below, with this paint.
        painting_ = true;
        Update();
        if (OnRedraw) {
            OnRedraw(this);
        }
        painting_ = false;
    }
    if (picture_->Present(PictureTexture(), PictureFence(), PictureSize())) {
        emit Presented();
    }
}

QImage TD3dView::GrabPicture() {
    Paint();
    return picture_->Grab(PictureTexture(), PictureFence(), PictureSize());
}

void TD3dView::PresentNow() {
    if (!painting_ && picture_->Present(PictureTexture(), PictureFence(), PictureSize())) {
        emit Presented();
    }
}

unsigned TD3dView::PictureTexture() const {
    return Engine && Device && SceneFrame ? Device->ColorTexture() : 0;
}

void* TD3dView::PictureFence() const {
    return PictureTexture() != 0 ? Device->PictureFence() : nullptr;
}

QSize TD3dView::PictureSize() const {
    if (!Device) {
        return {};
    }
    return {static_cast<int>(Device->GetWidth()), static_cast<int>(Device->GetHeight())};
}

void TD3dView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    pictureContainer_->setGeometry(rect());
    FitDevice();
    AlignControls();
}

void TD3dView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Redraw();
}

void TD3dView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        ActivateDevice(isActiveWindow() ? kActive : kInactive);
    } else if (event->type() == QEvent::PaletteChange) {
        Redraw();
    }
}

void TD3dView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TD3dView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void TD3dView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void TD3dView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

QList<TVport*> TD3dView::Vports() const {
    return findChildren<TVport*>(Qt::FindDirectChildrenOnly);
}

void TD3dView::BindClipper() {
    // The window that shows the picture is the top-level one: this widget has no window of its
    // own. Before that window exists there is nothing to bind yet.
    const WId window = this->window()->internalWinId();
    if (Clipper && window != 0) {
        // Not examined: a clipper without a window only clips nothing.
        (void)Clipper->SetHWnd(0, static_cast<WindowHandle>(window));
    }
}

void TD3dView::ScreenChanged() {
    FitDevice();
    // A screen of another pixel ratio gives the viewports other device pixels.
    AlignControls();
}

QSize TD3dView::NeededPixels() const {
    // Rounded as the TVport children round their rectangles, so that one filling the control
    // fits the device.
    const QSize view = ToDevicePixels(rect(), devicePixelRatioF()).size();
    return ScreenPixels().expandedTo(view);
}

void TD3dView::FitDevice() {
    if (!Device) {
        return;
    }
    const QSize needed = NeededPixels();
    // Not examined: a size the driver cannot render leaves the device as it was, and the
    // picture then covers what it can.
    (void)Device->Grow(needed.width(), needed.height());
}

QSize TD3dView::ScreenPixels() const {
    QScreen* shown = screen();
    if (shown == nullptr) {
        shown = QGuiApplication::primaryScreen();
    }
    if (shown == nullptr) {
        return {};
    }
    return shown->geometry().size() * shown->devicePixelRatio();
}

} // namespace qor
