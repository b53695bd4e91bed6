// qor-startup-floor: the least a Qt Widgets program of QOR's kind does before its first frame, and
// nothing of QOR's own code: a maximized main window with a menu bar, a tool bar and a status bar
// around a native OpenGL child window that clears once and swaps. qor-bench starts it to measure
// the floor under QOR's start-up on the same machine, in the same run.
//
// It prints one line, "first_frame_clock_ns N": the CLOCK_MONOTONIC time right after the first
// swap, which the parent compares with the moment it started the process. Then it quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Clears and swaps on its first exposure, then ends the program.
class ClearOnceWindow : public QWindow {
public:
    ClearOnceWindow() { setSurfaceType(QWindow::OpenGLSurface); }

protected:
    void exposeEvent(QExposeEvent*) override {
        if (done_ || !isExposed()) {
            return;
        }
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(requestedFormat());
        if (!context_->create() || !context_->makeCurrent(this)) {
            std::fprintf(stderr, "qor-startup-floor: no OpenGL context\n");
            QCoreApplication::exit(1);
            return;
        }
        QOpenGLFunctions* gl = context_->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        context_->swapBuffers(this);
        std::printf("first_frame_clock_ns %lld\n", MonotonicNs());
        std::fflush(stdout);
        done_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    std::unique_ptr<QOpenGLContext> context_;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("New"));
    file->addAction(QStringLiteral("Exit"));
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* picture = new ClearOnceWindow;
    window.setCentralWidget(QWidget::createWindowContainer(picture, &window));
    window.showMaximized();
    // A display that never exposes the window ends the run instead of hanging it.
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}
