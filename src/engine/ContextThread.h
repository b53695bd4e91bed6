// An OpenGL context made on a thread of its own. Making the first context of a process loads
// the driver, which takes longer than building a window; the thread lets both go on at once.
#pragma once

#include <QSurfaceFormat>

#include <memory>
#include <thread>

class QOpenGLContext;
class QThread;

namespace qor {

class ContextThread {
public:
    // Starts making a context of the format, to be handed to the thread that makes this object.
    // Needs the application object.
    explicit ContextThread(const QSurfaceFormat& format);
    ContextThread(const ContextThread&) = delete;
    ContextThread& operator=(const ContextThread&) = delete;
    ~ContextThread();

    // Waits for the thread and hands over its context, now belonging to the calling thread; null
    // when none could be made, or when it was taken before.
    std::unique_ptr<QOpenGLContext> Take();

private:
    void Join();

    std::unique_ptr<QOpenGLContext> made_; // written by the thread until it is joined
    std::thread thread_;
};

} // namespace qor
