// TD3dView: the 3D view host. It owns every engine object of the program's view (engine,
// DirectDraw object, clipper, device, the scene root SceneFrame, its camera frame and an
// ambient light), keeps one viewport per TVport child on the device, renders when asked and
// shows the device's picture.
//
// How it stands on Qt:
// - The device renders offscreen in the engine's own OpenGL context, at the size of the whole
//   screen in device pixels; the widget only presents the part of that picture it covers (a
//   framebuffer blit, no second rendering). A change of size reconfigures the viewports and
//   redraws; it never re-creates the device.
// - The device's presenter repaints the widget at once, so one RenderStep is one engine tick
//   and one presented frame; on a real display the swap waits for the vertical refresh. Only
//   the redraws that a change of the widget's position or size makes are shown by the paint
//   that Qt schedules (a window composed in the middle of such a change stays black).
// - Qt makes the window lazily. The device needs no window (it renders offscreen), so
//   CreateDevice works before the widget is shown; when the widget's OpenGL side is set up
//   (the window exists), the clipper is bound to the window and a device is made if none
//   exists yet. Both orders of "owner calls CreateDevice" and "window appears" end with exactly
//   one live device.
// - The background is black whatever Color holds: the program's scene is designed for black.
#pragma once

#include "engine/RefPtr.h"
#include "engine/Results.h"

#include <QColor>
#include <QOpenGLWidget>

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
class TVport;

class TD3dView : public QOpenGLWidget {
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

protected:
    // The engine call that makes the device into Device: tests replace it to make drivers
    // fail.
    virtual HRESULT CreateDeviceFromClipper(const GUID* driver, int width, int height);

    void initializeGL() override;
    void paintGL() override;
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
    // The device's presenter: repaints the widget with the new picture at once.
    void PresentNow();
    void ReleaseDevice();
    QSize ScreenPixels() const;
    QSize FramebufferPixels() const;

    QColor color_;
    bool painting_ = false;   // inside a paint: the picture is presented when it ends
    bool presenting_ = false; // a paint that only shows the new picture
    // Inside a change of position or size: Qt must not compose the window now, so the new
    // picture is shown by the paint that Qt schedules.
    bool geometryChanging_ = false;
};

} // namespace qor
