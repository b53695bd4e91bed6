// QOR: two five-bar linkages, their parameters, their motion and their 3D scene.
#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv) {
    // Read before the application object is made, so that --help and --version need no display.
    const qor::CommandLine line = qor::ParseCommandLine(qor::ArgumentsOf(argc, argv));
    if (line.What != qor::CommandLine::Action::Start) {
        return qor::AnswerCommandLine(line);
    }
    // The 3D view's widgets and the engine's offscreen context share their OpenGL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return qor::RunProgram(line.DesignFile);
}
