// The viewport control.
#include "view/TVport.h"

#include "engine/Engine.h"
#include "engine/Frame.h"
#include "engine/Viewport.h"
#include "view/DevicePixels.h"
#include "view/TD3dView.h"

#include <QEvent>
#include <QMouseEvent>

namespace qor {

TVport::TVport(QWidget* owner) : QWidget(owner) {
    // Nothing is painted here: the host's picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    // Movement without a pressed button is reported too.
    setMouseTracking(true);
    resize(100, 75);
}

TVport::~TVport() = default;

void TVport::AttachViewport(IDirect3DRM* engine, IDirect3DRMDevice* device,
                            IDirect3DRMFrame* camera) {
    if (engine == nullptr || device == nullptr || camera == nullptr) {
        return;
    }
    const QRect rect = DeviceRect();
    // Results are not examined: a viewport that could not be made stays null, and the control
    // checks for it before every use; the name, the camera and the updates are always taken.
    (void)engine->CreateViewport(device, camera, rect.x(), rect.y(), rect.width(), rect.height(),
                                 Viewport);
    ApplyViewport();
    if (Viewport) {
        (void)Viewport->SetName(objectName().toUtf8().constData());
    }
}

void TVport::DetachViewport() {
    VportData.ReadFrom(Viewport.get());
    Viewport.reset();
}

void TVport::ReleaseViewport() {
    Viewport.reset();
}

void TVport::ApplyViewport() {
    VportData.ApplyTo(Viewport.get());
}

void TVport::SelectCamera(IDirect3DRMFrame* frame, bool redraw) {
    if (frame == nullptr || !Viewport) {
        return;
    }
    (void)Viewport->SetCamera(frame);
    if (redraw) {
        if (auto* host = qobject_cast<TD3dView*>(parentWidget())) {
            host->Redraw();
        }
    }
}

void TVport::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    ConfigureViewport();
}

void TVport::SetAlign(TAlign align) {
    align_ = align;
    AlignToParent();
}

void TVport::AlignToParent() {
    if (align_ == TAlign::Client && parentWidget() != nullptr) {
        SetBounds(0, 0, parentWidget()->width(), parentWidget()->height());
    }
}

void TVport::Update() {
    if (Viewport) {
        const QRect rect = DeviceRect();
        (void)Viewport->ForceUpdate(rect.left(), rect.top(), rect.x() + rect.width(),
                                    rect.y() + rect.height());
    }
}

QRect TVport::DeviceRect() const {
    return ToDevicePixels(geometry(), devicePixelRatioF());
}

void TVport::ConfigureViewport() {
    if (Viewport) {
        const QRect rect = DeviceRect();
        (void)Viewport->Configure(rect.x(), rect.y(), rect.width(), rect.height());
    }
}

bool TVport::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        AlignToParent();
    }
    return QWidget::event(event);
}

void TVport::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    ConfigureViewport();
}

void TVport::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ConfigureViewport();
}

void TVport::paintEvent(QPaintEvent*) {}

void TVport::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    }
}

void TVport::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (OnMouseMove) {
        const QPoint at = event->position().toPoint();
        OnMouseMove(this, event->modifiers(), at.x(), at.y());
    }
}

void TVport::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(at);
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = false;
    }
    if (OnMouseUp) {
        OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
    }
    if (click && OnClick) {
        OnClick(this);
    }
}

// A double click is reported before the press that makes it; its release gives no click.
void TVport::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && OnDblClick) {
        OnDblClick(this);
    }
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    }
}

} // namespace qor
