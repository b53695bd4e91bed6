#include "engine/ContextThread.h"

#include <QOpenGLContext>
#include <QThread>

namespace qor {

ContextThread::ContextThread(const QSurfaceFormat& format) {
    QThread* owner = QThread::currentThread();
    thread_ = std::thread([this, format, owner] {
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(format);
        if (context->create()) {
            // Only the thread that owns a context may make it current.
            context->moveToThread(owner);
            made_ = std::move(context);
        }
    });
}

ContextThread::~ContextThread() {
    Join();
}

std::unique_ptr<QOpenGLContext> ContextThread::Take() {
    Join();
    return std::move(made_);
}

void ContextThread::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace qor
