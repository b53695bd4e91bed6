// The native window that shows a device's picture.
#include "view/PictureWindow.h"

#include "view/PictureContext.h"

#include <QSurfaceFormat>

namespace qor {

PictureWindow::PictureWindow(std::function<void()> exposed) : exposed_(std::move(exposed)) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowTransparentForInput);
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    setFormat(format);
}

PictureWindow::~PictureWindow() {
    if (context_ != nullptr) {
        context_->Release(this);
    }
}

bool PictureWindow::Present(unsigned texture, void* fence, QSize picture) {
    if (!Draw(texture, fence, picture)) {
        return false;
    }
    context_->SwapBuffers(this);
    return true;
}

QImage PictureWindow::Grab(unsigned texture, void* fence, QSize picture) {
    if (!Draw(texture, fence, picture)) {
        return {};
    }
    QImage image = context_->ReadBack(size() * devicePixelRatio());
    context_->SwapBuffers(this);
    return image;
}

void PictureWindow::exposeEvent(QExposeEvent*) {
    if (isExposed() && exposed_) {
        exposed_();
    }
}

bool PictureWindow::Draw(unsigned texture, void* fence, QSize picture) {
    if (!isExposed()) {
        return false;
    }
    if (context_ == nullptr) {
        context_ = PictureContext::Instance(requestedFormat());
    }
    return context_ != nullptr && context_->MakeCurrent(this) &&
           context_->Draw(texture, fence, picture, size() * devicePixelRatio());
}

} // namespace qor
