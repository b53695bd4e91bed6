// TD3dView: the 3D view host. It owns every engine object of the program's view (engine,
// DirectDraw object, clipper, device, the scene root SceneFrame, its camera frame and an
// ambient light), keeps one viewport per TVport child on the device, renders when asked and
// shows the device's picture.
//
// How it stands on Qt:
// - The device renders offscreen in the engine's own OpenGL context, at the size of the whole
//   screen in device pixels. A native child window (PictureWindow) covering the control shows
//   the part of that picture it covers: one copy and one swap, no second rendering and no
//   composition of the whole main window. A change of size reconfigures the viewports and
//   redraws; it never re-creates the device. When the window reaches a larger screen, or the
//   control grows past the picture, the device grows (Grow keeps its viewports and settings),
//   so that the viewports still fill the control.
// - The device's presenter shows the new picture at once, so one RenderStep is one engine tick
//   and one presented frame; on a real display the swap waits for the vertical refresh.
// - The picture window lets input through, so mouse events reach this control and its TVport
//   children as they would without it.
// - The device needs no window (it renders offscreen), so CreateDevice works before the control
//   is shown; when the control is first shown (its window exists), the clipper is bound to the
//   window and a device is made if none exists yet. Both orders of "owner calls CreateDevice"
//   and "window appears" end with exactly one live device.
// - The background is black whatever Color holds: the program's scene is designed for black.
#pragma once

#include "engine/RefPtr.h"
#include "engine/Results.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace qor {

struct GUID;
class IDirect3DRM;
class IDirect3DRMDevice;
class IDirect3DRMFrame;
class IDirect3DRMLight;
class IDirectDraw;
class IDirectDrawClipper;
class PictureWindow;
class TVport;

class TD3dView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)

public:
    explicit TD3dView(QWidget* owner = nullptr);
    ~TD3dView() override;

    // Makes the device for the driver (null: the default driver) in place of the old one,
    // carrying every TVport child's viewport settings across. A driver that gives no device is
    // named in a box, and the default driver is tried once more; if that fails too, there is
    // no device.
    void CreateDevice(const GUID* driver);
    // Releases every engine object, each exactly once; the scene root is emptied first.
    void ReleaseEngine();
    // One engine tick of RMTickValue time units: moves the frames, renders, presents.
    void RenderStep();
    // Renders and presents without moving anything.
    void Redraw();
    // An idle handler for owners that let the control drive itself: renders a step on every
    // pass while the application is active (with FastLoop, only while something moves).
    // done is left as it came when nothing was rendered.
    void AppIdle(QObject* sender, bool& done);
    // True when any frame below frame moves (see FrameMotion.h).
    bool HasMotion(IDirect3DRMFrame* frame);
    // Sets the scene's background (black) and redraws.
    void UpdateBackground();
    // Passes a window activation state (0 inactive, 1 active, 2 active by click) to the device.
    void ActivateDevice(std::uint16_t state);
    // The update request: every TVport forces its region, then the device presents.
    void Update();
    // Fills the aligned TVport children to the control's size, then redraws.
    void AlignControls();
    // Paints as an exposure of the window does and returns what the window then shows; null
    // while the control is not on screen.
    QImage GrabPicture();

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    bool FastLoop = false;
    bool CullNone = false;
    std::int32_t RMTickValue = 1;
    std::function<void(TD3dView*)> OnRedraw;

    RefPtr<IDirectDraw> DirectDraw;
    RefPtr<IDirect3DRM> Engine;
    RefPtr<IDirectDrawClipper> Clipper;
    RefPtr<IDirect3DRMDevice> Device; // null until the first CreateDevice
    RefPtr<IDirect3DRMFrame> CameraFrame;
    RefPtr<IDirect3DRMFrame> SceneFrame;
    RefPtr<IDirect3DRMLight> AmbientLight;

signals:
    // A picture has been shown on screen.
    void Presented();

protected:
    // The engine call that makes the device into Device: tests replace it to make drivers
    // fail.
    virtual HRESULT CreateDeviceFromClipper(const GUID* driver, int width, int height);
    // The size of the screen the control is on, in device pixels; tests replace it to stand
    // for a screen of another size.
    virtual QSize ScreenPixels() const;
    // The window has moved to another screen: the device grows to it if it is larger.
    void ScreenChanged();

    // What an exposure of the window does: renders the viewports (when there is a device) and
    // shows the picture.
    virtual void Paint();

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Mouse events over the part that no TVport covers are dropped.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QList<TVport*> Vports() const;
    void BindClipper();
    // The device's presenter: shows the new picture at once.
    void PresentNow();
    unsigned PictureTexture() const;
    void* PictureFence() const;
    QSize PictureSize() const;
    void ReleaseDevice();
    // The device's size for this screen and this control: the screen's, or the control's where
    // it is larger.
    QSize NeededPixels() const;
    // Grows the device to NeededPixels when it is smaller.
    void FitDevice();

    QColor color_;
    PictureWindow* picture_ = nullptr; // owned by its container, a child of this control
    QWidget* pictureContainer_ = nullptr;
    bool shown_ = false;    // the control has been shown once: its window exists
    bool painting_ = false; // inside a paint: the picture is shown when it ends
};

} // namespace qor
