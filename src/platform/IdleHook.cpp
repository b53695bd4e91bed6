#include "platform/IdleHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace qor {
namespace {

// Owns the handler. A zero-timeout single-shot timer runs a pass once the queue is empty; an
// application-wide event filter restarts it on the first event after a pass that said done.
class IdleDispatcher : public QObject {
public:
    explicit IdleDispatcher(QObject* parent) : QObject(parent) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { RunPass(); });
        QCoreApplication::instance()->installEventFilter(this);
    }

    void Install(IdleHandler handler) {
        handler_ = std::move(handler);
        waiting_ = false;
        if (!handler_) {
            timer_.stop();
        } else if (!inPass_) {
            timer_.start();
        }
    }

    bool Installed() const { return static_cast<bool>(handler_); }

    void Wake() {
        if (waiting_) {
            waiting_ = false;
            timer_.start();
        }
    }

protected:
    // The filter sees each event before it is delivered, so the timer's own event has gone
    // through before the pass it starts decides to wait: a waiting hook cannot wake itself.
    bool eventFilter(QObject*, QEvent* event) override {
        if (waiting_ && WakesHook(event->type())) {
            waiting_ = false;
            timer_.start();
        }
        return false;
    }

private:
    // Repaints and layout passes are what a pass itself causes (a label that changes schedules
    // its repaint): waking on them would turn "wait for the next event" into a busy loop.
    static bool WakesHook(QEvent::Type type) {
        switch (type) {
        case QEvent::UpdateRequest:
        case QEvent::UpdateLater:
        case QEvent::Paint:
        case QEvent::LayoutRequest:
        case QEvent::DeferredDelete:
            return false;
        default:
            return true;
        }
    }

    void RunPass() {
        if (!handler_) {
            return;
        }
        // A copy, so that the handler may replace or remove itself while it runs.
        const IdleHandler handler = handler_;
        bool done = true;
        inPass_ = true;
        handler(done);
        inPass_ = false;
        if (!handler_) {
            return;
        }
        if (done) {
            waiting_ = true;
        } else {
            timer_.start();
        }
    }

    IdleHandler handler_;
    QTimer timer_;
    bool waiting_ = false; // a pass said done: the next outside event restarts the timer
    bool inPass_ = false;
};

IdleDispatcher* Dispatcher() {
    // Owned by the application, so it goes with it.
    static QPointer<IdleDispatcher> dispatcher;
    if (!dispatcher) {
        dispatcher = new IdleDispatcher(QCoreApplication::instance());
    }
    return dispatcher;
}

} // namespace

void InstallIdleHandler(IdleHandler handler) {
    Dispatcher()->Install(std::move(handler));
}

void RemoveIdleHandler() {
    Dispatcher()->Install({});
}

void WakeIdleHandler() {
    Dispatcher()->Wake();
}

bool IdleHandlerInstalled() {
    return Dispatcher()->Installed();
}

} // namespace qor
