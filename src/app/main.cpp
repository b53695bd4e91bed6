// QOR: two five-bar linkages, their parameters, their motion and their 3D scene.
#include "app/Startup.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv) {
    // The 3D view's widgets and the engine's offscreen context share their OpenGL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return qor::RunProgram();
}
