// TVport: a child control of the 3D view host whose rectangle within the host is the
// rectangle of one viewport on the host's device. It owns that viewport, keeps its settings
// across every re-creation of the device, paints nothing itself (the host's picture shows
// through) and offers the mouse events that happen over it.
#pragma once

#include "engine/RefPtr.h"
#include "view/TVportData.h"

#include <QWidget>

#include <functional>

namespace qor {

class IDirect3DRM;
class IDirect3DRMDevice;
class IDirect3DRMFrame;
class IDirect3DRMViewport;
class TVport;

// How a control follows its parent's size.
enum class TAlign {
    None,   // keeps its own bounds
    Client, // fills the parent's whole area and follows its size
};

using TVportNotifyEvent = std::function<void(TVport* sender)>;
// Button, modifier keys, and the position in the control's own pixels.
using TVportMouseEvent = std::function<void(TVport* sender, Qt::MouseButton button,
                                            Qt::KeyboardModifiers shift, int x, int y)>;
using TVportMouseMoveEvent =
    std::function<void(TVport* sender, Qt::KeyboardModifiers shift, int x, int y)>;

class TVport : public QWidget {
    Q_OBJECT

public:
    explicit TVport(QWidget* owner = nullptr);
    ~TVport() override;

    // Makes the viewport on the device over the control's bounds, seen from camera, and gives
    // it the saved settings (if the record holds any) and the control's name. Nothing unless
    // engine, device and camera all exist.
    void AttachViewport(IDirect3DRM* engine, IDirect3DRMDevice* device, IDirect3DRMFrame* camera);
    // Saves the viewport's settings into VportData and releases the viewport.
    void DetachViewport();
    // Releases the viewport without saving its settings.
    void ReleaseViewport();
    // Gives the viewport the settings of VportData.
    void ApplyViewport();
    // Shows the scene from frame; with redraw, the host renders the new view at once. Nothing
    // for a null frame or without a viewport.
    void SelectCamera(IDirect3DRMFrame* frame, bool redraw);

    // Moves and resizes the control (in the host's logical pixels) and reconfigures the
    // viewport to match, at once, even while the control is hidden.
    void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // Fills the parent when aligned to it; the host calls this after each change of its size.
    void AlignToParent();
    // The update request: forces the viewport's region of the picture to be presented again.
    void Update();

    // The control's rectangle in the device's pixels.
    QRect DeviceRect() const;

    TVportData VportData;
    RefPtr<IDirect3DRMViewport> Viewport;

    TVportMouseEvent OnMouseDown;
    TVportMouseMoveEvent OnMouseMove;
    TVportMouseEvent OnMouseUp;
    TVportNotifyEvent OnClick;
    TVportNotifyEvent OnDblClick;

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ConfigureViewport();

    TAlign align_ = TAlign::None;
    bool leftPressed_ = false; // a left press over the control waits for its release
};

} // namespace qor
